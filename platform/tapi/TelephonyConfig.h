#pragma once

#include "platform/tapi/DiallingLocations.h"

#include <QString>

#include <memory>

class QSettings;

namespace platform::tapi {

// The telephony service's own configuration: an INI file with the dialling
// locations ([Locations], [Location<n>]), the provider choice ([Service]
// Provider=sim) and the provider's devices (the simulated exchange: [Sim],
// [SimLine<n>]). A missing file or key means the built-in default.
class TelephonyConfig {
public:
    // $XDG_CONFIG_HOME/Lintaro/telephony.ini
    static QString defaultPath();

    explicit TelephonyConfig(QString path = defaultPath());

    const QString& path() const { return m_path; }
    bool exists() const;

    QString providerName() const; // "sim" unless configured otherwise

    DiallingLocations locations() const;
    void setLocations(const DiallingLocations& locations);

    // The file as settings, for the parts a provider keeps there.
    std::unique_ptr<QSettings> open() const;

private:
    QString m_path;
};

} // namespace platform::tapi
