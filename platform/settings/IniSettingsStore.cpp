#include "IniSettingsStore.h"

#include <QStandardPaths>

namespace platform::settings {

IniSettingsStore::IniSettingsStore(const QString& filePath)
    : m_settings(filePath, QSettings::IniFormat)
{
}

QString IniSettingsStore::defaultPath(const QString& application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
           + application + u'/' + application + u".ini";
}

QString IniSettingsStore::path(const QString& group, const QString& key)
{
    return group.isEmpty() ? key : group + u'/' + key;
}

bool IniSettingsStore::contains(const QString& group, const QString& key) const
{
    return m_settings.contains(path(group, key));
}

QString IniSettingsStore::value(const QString& group, const QString& key,
                                const QString& defaultValue) const
{
    const QVariant stored = m_settings.value(path(group, key));
    if (!stored.isValid())
        return defaultValue;
    return stored.toString();
}

void IniSettingsStore::setValue(const QString& group, const QString& key, const QString& value)
{
    m_settings.setValue(path(group, key), value);
}

void IniSettingsStore::remove(const QString& group, const QString& key)
{
    m_settings.remove(path(group, key));
}

void IniSettingsStore::sync()
{
    m_settings.sync();
}

} // namespace platform::settings
