#include "platform/tapi/sim/SimConfig.h"

#include "platform/tapi/TapiConstants.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

namespace {

constexpr int kDefaultLineCount = 2;

bool parseNumber(const QString& text, DWORD* value)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qulonglong v = t.startsWith(u"0x"_s, Qt::CaseInsensitive) ? t.mid(2).toULongLong(&ok, 16)
                                                                    : t.toULongLong(&ok, 10);
    if (!ok || v > 0xFFFFFFFFull)
        return false;
    *value = static_cast<DWORD>(v);
    return true;
}

class LineReader {
public:
    explicit LineReader(QSettings& settings) : m_settings(settings) {}

    void text(const char* key, QString* value) const
    {
        const QVariant v = m_settings.value(QLatin1StringView(key));
        if (v.isValid())
            *value = v.toString();
    }
    void number(const char* key, DWORD* value) const
    {
        const QVariant v = m_settings.value(QLatin1StringView(key));
        if (v.isValid())
            parseNumber(v.toString(), value);
    }
    void integer(const char* key, int* value) const
    {
        const QVariant v = m_settings.value(QLatin1StringView(key));
        bool ok = false;
        const int i = v.toString().trimmed().toInt(&ok);
        if (v.isValid() && ok)
            *value = i;
    }
    void flag(const char* key, bool* value) const
    {
        const QVariant v = m_settings.value(QLatin1StringView(key));
        if (v.isValid()) {
            const QString t = v.toString().trimmed().toLower();
            *value = t == u"true" || t == u"1" || t == u"yes";
        }
    }
    void list(const char* key, QStringList* value) const
    {
        const QVariant v = m_settings.value(QLatin1StringView(key));
        if (!v.isValid())
            return;
        QStringList items = v.toStringList();
        if (items.size() == 1)
            items = items.first().split(u',');
        value->clear();
        for (const QString& item : std::as_const(items)) {
            if (!item.trimmed().isEmpty())
                value->append(item.trimmed());
        }
    }
    void numbers(const char* key, QVector<DWORD>* value) const
    {
        QStringList items;
        if (!m_settings.contains(QLatin1StringView(key)))
            return;
        list(key, &items);
        value->clear();
        for (const QString& item : std::as_const(items)) {
            DWORD n = 0;
            if (parseNumber(item, &n))
                value->append(n);
        }
    }
    void range(const char* key, VersionRange* value) const
    {
        const QVariant v = m_settings.value(QLatin1StringView(key));
        if (!v.isValid())
            return;
        const QString t = v.toString().trimmed();
        if (t.isEmpty()) {
            *value = {};
            return;
        }
        const QStringList parts = t.split(u'-');
        VersionRange r;
        if (parts.size() == 2 && parseNumber(parts[0], &r.low) && parseNumber(parts[1], &r.high))
            *value = r;
        else if (parts.size() == 1 && parseNumber(parts[0], &r.low))
            *value = {r.low, r.low};
    }

private:
    QSettings& m_settings;
};

} // namespace

SimLineConfig SimConfig::defaultLine(int index)
{
    SimLineConfig line;
    line.name = u"Simulierte Leitung "_s + QString::number(index + 1);
    line.addresses = {QString::number(10 + index)};
    line.providerInfo = u"Lintaro Simulationsvermittlung 1.0"_s;
    line.switchInfo = u"Simulierte Telefonanlage"_s;
    line.permanentLineId = 0x1000 + static_cast<DWORD>(index);
    line.addressModes = LINEADDRESSMODE_ADDRESSID | LINEADDRESSMODE_DIALABLEADDR;
    line.bearerModes = LINEBEARERMODE_VOICE;
    line.mediaModes = LINEMEDIAMODE_INTERACTIVEVOICE | LINEMEDIAMODE_AUTOMATEDVOICE;
    line.lineStates = LINEDEVSTATE_OTHER | LINEDEVSTATE_RINGING | LINEDEVSTATE_OPEN |
                      LINEDEVSTATE_CLOSE | LINEDEVSTATE_DEVSPECIFIC | LINEDEVSTATE_REINIT |
                      LINEDEVSTATE_CAPSCHANGE | LINEDEVSTATE_TRANSLATECHANGE;
    line.addressStates = 0;
    line.callStates = LINECALLSTATE_IDLE | LINECALLSTATE_OFFERING | LINECALLSTATE_ACCEPTED |
                      LINECALLSTATE_DIALTONE | LINECALLSTATE_DIALING | LINECALLSTATE_RINGBACK |
                      LINECALLSTATE_BUSY | LINECALLSTATE_CONNECTED | LINECALLSTATE_PROCEEDING |
                      LINECALLSTATE_ONHOLD | LINECALLSTATE_ONHOLDPENDTRANSFER |
                      LINECALLSTATE_DISCONNECTED;
    line.callFeatures =
        LINECALLFEATURE_ACCEPT | LINECALLFEATURE_ANSWER | LINECALLFEATURE_BLINDTRANSFER |
        LINECALLFEATURE_COMPLETETRANSF | LINECALLFEATURE_DIAL | LINECALLFEATURE_DROP |
        LINECALLFEATURE_GENERATEDIGITS | LINECALLFEATURE_HOLD | LINECALLFEATURE_MONITORDIGITS |
        LINECALLFEATURE_PARK | LINECALLFEATURE_REDIRECT | LINECALLFEATURE_SETUPTRANSFER |
        LINECALLFEATURE_SWAPHOLD | LINECALLFEATURE_UNHOLD;
    line.callInfoStates = LINECALLINFOSTATE_ORIGIN | LINECALLINFOSTATE_REASON |
                          LINECALLINFOSTATE_NUMOWNERINCR | LINECALLINFOSTATE_NUMOWNERDECR |
                          LINECALLINFOSTATE_NUMMONITORS | LINECALLINFOSTATE_CALLERID |
                          LINECALLINFOSTATE_CALLEDID | LINECALLINFOSTATE_CONNECTEDID |
                          LINECALLINFOSTATE_REDIRECTIONID | LINECALLINFOSTATE_REDIRECTINGID |
                          LINECALLINFOSTATE_CHARGINGINFO | LINECALLINFOSTATE_MONITORMODES;
    line.dialToneModes =
        LINEDIALTONEMODE_NORMAL | LINEDIALTONEMODE_INTERNAL | LINEDIALTONEMODE_EXTERNAL;
    line.busyModes = LINEBUSYMODE_STATION | LINEBUSYMODE_TRUNK;
    line.specialInfo = 0;
    line.disconnectModes =
        LINEDISCONNECTMODE_NORMAL | LINEDISCONNECTMODE_UNKNOWN | LINEDISCONNECTMODE_REJECT |
        LINEDISCONNECTMODE_PICKUP | LINEDISCONNECTMODE_FORWARDED | LINEDISCONNECTMODE_BUSY |
        LINEDISCONNECTMODE_NOANSWER | LINEDISCONNECTMODE_BADADDRESS |
        LINEDISCONNECTMODE_UNREACHABLE | LINEDISCONNECTMODE_CONGESTION | LINEDISCONNECTMODE_UNAVAIL;
    line.parkModes = LINEPARKMODE_DIRECTED | LINEPARKMODE_NONDIRECTED;
    line.transferModes = LINETRANSFERMODE_TRANSFER;
    line.acceptToAlert = false;
    line.apiVersions = {TAPI_VERSION1_0, TAPI_VERSION3_1};
    line.ringIntervalMs = 4000;
    if (index == 0) {
        line.extVersions = {0x00010000, 0x00010002};
        line.extensionId = {0x544E494C, 0x4F524100, 0x4D495300, 0x00000001};
        line.waveOut = 0;
        line.waveIn = 0;
        line.phone.present = true;
        line.phone.name = u"Simuliertes Telefon 1"_s;
        line.phone.displayRows = 2;
        line.phone.displayColumns = 20;
        line.phone.buttonFunctions = {PHONEBUTTONFUNCTION_CALLAPP,  PHONEBUTTONFUNCTION_HOLD,
                                      PHONEBUTTONFUNCTION_TRANSFER, PHONEBUTTONFUNCTION_CONFERENCE,
                                      PHONEBUTTONFUNCTION_DROP,     PHONEBUTTONFUNCTION_LASTNUM,
                                      PHONEBUTTONFUNCTION_MUTE,     PHONEBUTTONFUNCTION_SPEAKERON};
        line.phone.numRingModes = 3;
        line.phone.hookSwitchDevs = PHONEHOOKSWITCHDEV_HANDSET | PHONEHOOKSWITCHDEV_SPEAKER;
    }
    return line;
}

SimConfig SimConfig::defaults()
{
    SimConfig config;
    for (int i = 0; i < kDefaultLineCount; ++i)
        config.lines.append(defaultLine(i));
    return config;
}

SimConfig SimConfig::load(QSettings& settings)
{
    int count = kDefaultLineCount;
    bool ok = false;
    const int configured = settings.value(u"Sim/Lines"_s).toString().toInt(&ok);
    if (ok && configured >= 0 && configured <= 64)
        count = configured;

    SimConfig config;
    for (int i = 0; i < count; ++i) {
        SimLineConfig line = defaultLine(i);
        settings.beginGroup(u"SimLine"_s + QString::number(i));
        const LineReader r(settings);
        r.text("Name", &line.name);
        r.list("Addresses", &line.addresses);
        if (line.addresses.isEmpty())
            line.addresses = defaultLine(i).addresses;
        r.text("ProviderInfo", &line.providerInfo);
        r.text("SwitchInfo", &line.switchInfo);
        r.number("PermanentLineID", &line.permanentLineId);
        r.number("AddressModes", &line.addressModes);
        r.number("BearerModes", &line.bearerModes);
        r.number("MediaModes", &line.mediaModes);
        r.number("LineStates", &line.lineStates);
        r.number("AddressStates", &line.addressStates);
        r.number("CallStates", &line.callStates);
        r.number("CallFeatures", &line.callFeatures);
        r.number("CallInfoStates", &line.callInfoStates);
        r.number("DialToneModes", &line.dialToneModes);
        r.number("BusyModes", &line.busyModes);
        r.number("SpecialInfo", &line.specialInfo);
        r.number("DisconnectModes", &line.disconnectModes);
        r.number("ParkModes", &line.parkModes);
        r.number("TransferModes", &line.transferModes);
        r.flag("AcceptToAlert", &line.acceptToAlert);
        r.range("ApiVersions", &line.apiVersions);
        r.range("ExtVersions", &line.extVersions);
        r.flag("RefuseExtVersions", &line.refuseExtVersions);
        QVector<DWORD> id;
        r.numbers("ExtensionID", &id);
        if (id.size() == 4)
            line.extensionId = {id[0], id[1], id[2], id[3]};
        r.integer("WaveOut", &line.waveOut);
        r.integer("WaveIn", &line.waveIn);
        r.integer("RingIntervalMs", &line.ringIntervalMs);
        r.flag("Phone", &line.phone.present);
        if (line.phone.present && line.phone.name.isEmpty())
            line.phone.name = u"Simuliertes Telefon "_s + QString::number(i + 1);
        r.text("PhoneName", &line.phone.name);
        r.number("DisplayRows", &line.phone.displayRows);
        r.number("DisplayColumns", &line.phone.displayColumns);
        r.numbers("Buttons", &line.phone.buttonFunctions);
        r.number("RingModes", &line.phone.numRingModes);
        r.number("HookSwitchDevs", &line.phone.hookSwitchDevs);
        r.integer("PhoneDeviceId", &line.phone.reportedDeviceId);
        if (line.phone.present && line.phone.hookSwitchDevs == 0)
            line.phone.hookSwitchDevs = PHONEHOOKSWITCHDEV_HANDSET;
        settings.endGroup();
        config.lines.append(line);
    }
    return config;
}

void SimConfig::saveLineSettings(QSettings& settings, int index, const SimLineConfig& line)
{
    settings.beginGroup(u"SimLine"_s + QString::number(index));
    settings.setValue(u"Name"_s, line.name);
    settings.setValue(u"Addresses"_s, line.addresses.join(u','));
    settings.setValue(u"AcceptToAlert"_s, line.acceptToAlert ? u"true"_s : u"false"_s);
    settings.setValue(u"RingIntervalMs"_s, QString::number(line.ringIntervalMs));
    settings.setValue(u"WaveOut"_s, QString::number(line.waveOut));
    settings.setValue(u"WaveIn"_s, QString::number(line.waveIn));
    settings.endGroup();
    settings.sync();
}

} // namespace platform::tapi::sim
