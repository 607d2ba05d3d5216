#include "control/line/LintaroPropertyBag.h"

#include <QSettings>

LintaroPropertyBag::~LintaroPropertyBag() = default;

SettingsPropertyBag::SettingsPropertyBag(QSettings& settings, const QString& group)
    : m_settings(settings), m_group(group)
{
}

QString SettingsPropertyBag::fullKey(const QString& key) const
{
    return m_group.isEmpty() ? key : m_group + QLatin1Char('/') + key;
}

QVariant SettingsPropertyBag::readProperty(const QString& key, const QVariant& defaultValue) const
{
    return m_settings.value(fullKey(key), defaultValue);
}

void SettingsPropertyBag::writeProperty(const QString& key, const QVariant& value,
                                        const QVariant& defaultValue)
{
    // Compared as text: an INI file gives every value back as text.
    if (value.toString() == defaultValue.toString())
        m_settings.remove(fullKey(key));
    else
        m_settings.setValue(fullKey(key), value);
}
