#pragma once

#include <QString>

#include <functional>

// Where a long operation writes its progress texts: the text of a status-bar
// panel or of a label of the caller. Empty when the caller wants none.
using StatusText = std::function<void(const QString& text)>;
