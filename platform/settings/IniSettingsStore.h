#pragma once

#include "SettingsStore.h"

#include <QSettings>

namespace platform::settings {

// The store as an INI file (QSettings). The default file of an application is
// $XDG_CONFIG_HOME/<application>/<application>.ini.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath);

    static QString defaultPath(const QString& application);

    QString filePath() const { return m_settings.fileName(); }

    bool contains(const QString& group, const QString& key) const override;
    QString value(const QString& group, const QString& key,
                  const QString& defaultValue = QString()) const override;
    void setValue(const QString& group, const QString& key, const QString& value) override;
    void remove(const QString& group, const QString& key) override;
    void sync() override;

private:
    static QString path(const QString& group, const QString& key);
    QSettings m_settings;
};

} // namespace platform::settings
