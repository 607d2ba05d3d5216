#pragma once

#include "platform/settings/Registry.h"

#include <QString>
#include <QVariant>

// Reads one registry value: a QString for text, a QByteArray for binary
// data, an int (32 bit) for a double word, and an invalid QVariant ("empty")
// when the key or the value is missing. Text is cut at its first NUL
// character; an empty byte array counts as empty.
QVariant GetRegistryValue(const platform::settings::Registry& registry,
                          platform::settings::RootKey root, const QString& keyPath,
                          const QString& valueName);
