#pragma once

#include "control/lintaro_export.h"

#include <QString>

// The control's version as major.minor.revision ("1.1.21"); the revision is
// the build's.
LINTARO_EXPORT QString lintaroVersion();
