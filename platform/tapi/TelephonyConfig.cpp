#include "platform/tapi/TelephonyConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace platform::tapi {

QString TelephonyConfig::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Lintaro/telephony.ini"_s;
}

TelephonyConfig::TelephonyConfig(QString path) : m_path(std::move(path)) {}

bool TelephonyConfig::exists() const
{
    return QFileInfo::exists(m_path);
}

std::unique_ptr<QSettings> TelephonyConfig::open() const
{
    return std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

QString TelephonyConfig::providerName() const
{
    const QString name = open()->value(u"Service/Provider"_s).toString().trimmed();
    return name.isEmpty() ? u"sim"_s : name;
}

DiallingLocations TelephonyConfig::locations() const
{
    return DiallingLocations::load(*open());
}

void TelephonyConfig::setLocations(const DiallingLocations& locations)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    locations.save(*open());
}

} // namespace platform::tapi
