#pragma once

#include <QString>

#include <functional>

// Where a long operation writes its progress texts: a status-bar panel or a
// label of the caller. Empty when the caller wants no progress.
using StatusPanel = std::function<void(const QString& text)>;
