#pragma once

#include <QString>

namespace platform::settings {

// A per-user store of text values under group and key (the programs keep every
// value as text). Keys are compared with their exact case.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool contains(const QString& group, const QString& key) const = 0;
    // The stored text, or defaultValue when the key is missing.
    virtual QString value(const QString& group, const QString& key,
                          const QString& defaultValue = QString()) const = 0;
    virtual void setValue(const QString& group, const QString& key, const QString& value) = 0;
    virtual void remove(const QString& group, const QString& key) = 0;
    // Writes pending changes to permanent storage.
    virtual void sync() = 0;
};

} // namespace platform::settings
