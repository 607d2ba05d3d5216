#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

namespace platform::settings {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users };

// One registry value: nothing, text, bytes or a 32-bit number (double word).
using RegistryValue = std::variant<std::monostate, QString, QByteArray, qint32>;

// The few "registry" values the programs read: the user's locale code and
// the telephony dialling location. Key paths use backslashes; keys and value
// names are compared without regard to letter case, as Windows does.
class Registry {
public:
    virtual ~Registry() = default;

    // std::monostate when the key or the value does not exist.
    virtual RegistryValue value(RootKey root, const QString& keyPath,
                                const QString& valueName) const = 0;
};

} // namespace platform::settings
