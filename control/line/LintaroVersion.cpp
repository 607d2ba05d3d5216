#include "control/line/LintaroVersion.h"

QString lintaroVersion()
{
    return QStringLiteral("%1.%2.%3")
        .arg(LINTARO_VERSION_MAJOR)
        .arg(LINTARO_VERSION_MINOR)
        .arg(LINTARO_BUILD_REVISION);
}
