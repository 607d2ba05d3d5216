#include "LinuxRegistry.h"

#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace platform::settings {

namespace {

QString normalizedPath(const QString& keyPath)
{
    QString path = keyPath.trimmed();
    while (path.endsWith(u'\\'))
        path.chop(1);
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    return path.toLower();
}

const QString& telephonyKey()
{
    static const QString key =
        QStringLiteral("software\\microsoft\\windows\\currentversion\\telephony\\locations");
    return key;
}

// Telephony values that Windows keeps as double words.
bool isNumberValue(const QString& valueName)
{
    static const QStringList numbers = {QStringLiteral("CurrentID"),  QStringLiteral("NextID"),
                                        QStringLiteral("NumEntries"), QStringLiteral("ID"),
                                        QStringLiteral("Country"),    QStringLiteral("Flags")};
    return numbers.contains(valueName, Qt::CaseInsensitive);
}

QString findCaseInsensitive(const QStringList& names, const QString& wanted)
{
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

} // namespace

LinuxRegistry::LinuxRegistry(QProcessEnvironment environment, QString telephonyFile)
    : m_environment(std::move(environment)), m_telephonyFile(std::move(telephonyFile))
{
}

QString LinuxRegistry::defaultTelephonyFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Lintaro/telephony.ini");
}

QString LinuxRegistry::localeCode(const QString& posixLocale)
{
    static const QHash<QString, QString> codes = {
        {QStringLiteral("de_DE"), QStringLiteral("00000407")},
        {QStringLiteral("de_AT"), QStringLiteral("00000c07")},
        {QStringLiteral("de_CH"), QStringLiteral("00000807")},
        {QStringLiteral("de_LU"), QStringLiteral("00001007")},
        {QStringLiteral("de_LI"), QStringLiteral("00001407")},
        {QStringLiteral("en_US"), QStringLiteral("00000409")},
        {QStringLiteral("en_GB"), QStringLiteral("00000809")},
        {QStringLiteral("en_AU"), QStringLiteral("00000c09")},
        {QStringLiteral("en_CA"), QStringLiteral("00001009")},
        {QStringLiteral("en_NZ"), QStringLiteral("00001409")},
        {QStringLiteral("en_IE"), QStringLiteral("00001809")},
        {QStringLiteral("fr_FR"), QStringLiteral("0000040c")},
        {QStringLiteral("fr_BE"), QStringLiteral("0000080c")},
        {QStringLiteral("fr_CA"), QStringLiteral("00000c0c")},
        {QStringLiteral("fr_CH"), QStringLiteral("0000100c")},
        {QStringLiteral("fr_LU"), QStringLiteral("0000140c")},
        {QStringLiteral("it_IT"), QStringLiteral("00000410")},
        {QStringLiteral("it_CH"), QStringLiteral("00000810")},
        {QStringLiteral("nl_NL"), QStringLiteral("00000413")},
        {QStringLiteral("nl_BE"), QStringLiteral("00000813")},
        {QStringLiteral("es_ES"), QStringLiteral("00000c0a")},
        {QStringLiteral("pt_PT"), QStringLiteral("00000816")},
        {QStringLiteral("pt_BR"), QStringLiteral("00000416")},
        {QStringLiteral("da_DK"), QStringLiteral("00000406")},
        {QStringLiteral("sv_SE"), QStringLiteral("0000041d")},
        {QStringLiteral("nb_NO"), QStringLiteral("00000414")},
        {QStringLiteral("fi_FI"), QStringLiteral("0000040b")},
        {QStringLiteral("pl_PL"), QStringLiteral("00000415")},
        {QStringLiteral("cs_CZ"), QStringLiteral("00000405")},
        {QStringLiteral("hu_HU"), QStringLiteral("0000040e")},
        {QStringLiteral("tr_TR"), QStringLiteral("0000041f")},
        {QStringLiteral("ru_RU"), QStringLiteral("00000419")},
    };
    // language_TERRITORY.codeset@modifier
    QString name = posixLocale.trimmed();
    name = name.left(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name = name.left(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    return codes.value(name);
}

RegistryValue LinuxRegistry::value(RootKey root, const QString& keyPath,
                                   const QString& valueName) const
{
    const QString path = normalizedPath(keyPath);
    if (root == RootKey::CurrentUser && path == u"control panel\\international" &&
        valueName.compare(QStringLiteral("Locale"), Qt::CaseInsensitive) == 0) {
        QString locale;
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            locale = m_environment.value(QLatin1StringView(variable));
            if (!locale.isEmpty())
                break;
        }
        const QString code = localeCode(locale);
        if (code.isEmpty())
            return std::monostate();
        return code;
    }
    if (root == RootKey::LocalMachine) {
        if (path == telephonyKey())
            return telephonyValue(QStringLiteral("Locations"), valueName);
        const QString prefix = telephonyKey() + u'\\';
        if (path.startsWith(prefix) && !path.mid(prefix.size()).contains(u'\\'))
            return telephonyValue(path.mid(prefix.size()), valueName);
    }
    return std::monostate();
}

RegistryValue LinuxRegistry::telephonyValue(const QString& group, const QString& valueName) const
{
    QSettings ini(m_telephonyFile, QSettings::IniFormat);
    const QString foundGroup = findCaseInsensitive(ini.childGroups(), group);
    if (foundGroup.isEmpty())
        return std::monostate();
    ini.beginGroup(foundGroup);
    const QString key = findCaseInsensitive(ini.childKeys(), valueName);
    if (key.isEmpty())
        return std::monostate();
    const QVariant stored = ini.value(key);
    // QSettings reads "a,b" as a list; the registry held one text.
    const QString text = stored.typeId() == QMetaType::QStringList
                             ? stored.toStringList().join(u',')
                             : stored.toString();
    if (isNumberValue(valueName)) {
        bool ok = false;
        const qint32 number = text.trimmed().toInt(&ok);
        if (!ok)
            return std::monostate(); // a value of another type
        return number;
    }
    return text;
}

} // namespace platform::settings
