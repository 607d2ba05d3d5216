#pragma once

#include "Registry.h"

#include <QProcessEnvironment>

namespace platform::settings {

// The registry values from their Linux sources:
// - HKCU "Control Panel\International" value "Locale": the Windows locale
//   code ("00000407" for de_DE) of the user's POSIX locale (LC_ALL, then
//   LC_MESSAGES, then LANG); nothing for a locale without a code.
// - HKLM "SOFTWARE\Microsoft\Windows\CurrentVersion\Telephony\Locations" and
//   its subkeys "Location<N>": the groups [Locations] and [Location<N>] of
//   the telephony service's configuration, an INI file. "CurrentID" and the
//   other counters read as numbers, "OutsideAccess" and the rest as text.
class LinuxRegistry final : public Registry {
public:
    explicit LinuxRegistry(
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
        QString telephonyFile = defaultTelephonyFile());

    // $XDG_CONFIG_HOME/Lintaro/telephony.ini
    static QString defaultTelephonyFile();

    // "de_DE.UTF-8" -> "00000407"; "" when the locale has no Windows code.
    static QString localeCode(const QString& posixLocale);

    RegistryValue value(RootKey root, const QString& keyPath,
                        const QString& valueName) const override;

private:
    RegistryValue telephonyValue(const QString& group, const QString& valueName) const;

    QProcessEnvironment m_environment;
    QString m_telephonyFile;
};

} // namespace platform::settings
