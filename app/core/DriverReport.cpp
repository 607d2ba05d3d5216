#include "DriverReport.h"

#include "control/line/Lintaro.h"

namespace fonkel {

QString FormatCapabilityList(const QString& list)
{
    QString text = list;
    // The control writes one token as ">BEARERMODE>"; two closing brackets
    // in a row are read as the end of one item and the start of the next.
    text.replace(QStringLiteral(">>"), QStringLiteral("><"));
    text.replace(u'<', u'\t');
    text.replace(u'>', QStringLiteral("\r\n\t"));
    if (text.size() > 2)
        text.chop(2);
    return text;
}

QString DriverReport(Lintaro& control, const QString& lastCallEvent)
{
    const QString L = QStringLiteral("\r\n");
    const QChar T = u'\t';
    const int D = control.deviceId();
    const auto F = FormatCapabilityList;

    QString report;
    if (!lastCallEvent.isEmpty())
        report += QStringLiteral("Letzter CallEvent:") + L + lastCallEvent + L + L;
    report += QStringLiteral("Device:") + T + control.DeviceName() + L + L;
    report += QStringLiteral("Tapiversion:") + T + QString::number(control.getTapiVersion(D)) + L;
    report += QStringLiteral("Providerinfo:") + T + control.getProviderInfo(D) + L;
    report += QStringLiteral("Switchinfo:") + T + control.getSwitchInfo(D) + L + L;
    report += QStringLiteral("Tapidevice Modes") + L;
    report += QStringLiteral("Media:") + T + F(control.getMediaModes(D)) + L;
    report += QStringLiteral("Adress:") + T + F(control.getAddressModes(D)) + L;
    report += QStringLiteral("Park:") + T + F(control.getParkModes(D)) + L;
    report += QStringLiteral("Dialtone:") + T + F(control.getDialtoneModes(D)) + L;
    report += QStringLiteral("Busy:") + T + F(control.getBusyModes(D)) + L;
    report += QStringLiteral("Disconnect:") + F(control.getDisconnectModes(D)) + L;
    report += QStringLiteral("Bearer:") + T + F(control.getBearerModes(D)) + L + L;
    report += QStringLiteral("Tapidevice Call") + L;
    report += QStringLiteral("States:") + T + F(control.getCallStates(D)) + L;
    report += QStringLiteral("Infostates:") + F(control.getCallinfoStates(D)) + L;
    report += QStringLiteral("Features:") + T + F(control.getCallFeatures(D));
    return report;
}

} // namespace fonkel
