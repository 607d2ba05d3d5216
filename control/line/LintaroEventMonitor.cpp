#include "control/line/LintaroEventMonitor.h"

#include "control/line/Lintaro.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Connects a signal of any argument list to one that reports its name and
// arguments as variants.
template <class... Args>
void follow(Lintaro* control, LintaroEventMonitor* monitor, void (Lintaro::*event)(Args...),
            const char* name)
{
    QObject::connect(control, event, monitor, [monitor, name](Args... args) {
        emit monitor->eventRaised(QString::fromLatin1(name),
                                  QVariantList{QVariant::fromValue(std::decay_t<Args>(args))...});
    });
}

} // namespace

LintaroEventMonitor::LintaroEventMonitor(Lintaro* control, QObject* parent) : QObject(parent)
{
#define LINTARO_FOLLOW(event) follow(control, this, &Lintaro::event, #event)
    LINTARO_FOLLOW(OnDeviceIDChanged);
    LINTARO_FOLLOW(OnWaveRecStart);
    LINTARO_FOLLOW(OnWaveRecStop);
    LINTARO_FOLLOW(OnPhoneRing);
    LINTARO_FOLLOW(OnWavePlayStart);
    LINTARO_FOLLOW(OnWavePlayDone);
    LINTARO_FOLLOW(OnDigitMonitoring);
    LINTARO_FOLLOW(OnPhoneHook);
    LINTARO_FOLLOW(OnPhoneDisplay);
    LINTARO_FOLLOW(OnPhoneLamp);
    LINTARO_FOLLOW(OnRinging);
    LINTARO_FOLLOW(OnDialtone);
    LINTARO_FOLLOW(OnBusy);
    LINTARO_FOLLOW(OnSpecialinfo);
    LINTARO_FOLLOW(OnConnected);
    LINTARO_FOLLOW(OnRedirectionID);
    LINTARO_FOLLOW(OnRedirectingID);
    LINTARO_FOLLOW(OnCallOrigin);
    LINTARO_FOLLOW(OnCallReason);
    LINTARO_FOLLOW(OnChargeInfo);
    LINTARO_FOLLOW(OnDisconnected);
    LINTARO_FOLLOW(OnOffering);
    LINTARO_FOLLOW(OnTapiMessage);
    LINTARO_FOLLOW(OnConnectedID);
    LINTARO_FOLLOW(OnCalledID);
    LINTARO_FOLLOW(OnCallerID);
    LINTARO_FOLLOW(OnCallState);
#undef LINTARO_FOLLOW
}

QString LintaroEventMonitor::describe(const QString& event, const QVariantList& arguments)
{
    QStringList parts;
    for (const QVariant& argument : arguments) {
        if (argument.typeId() == QMetaType::QString)
            parts.append(u'"' + argument.toString() + u'"');
        else
            parts.append(argument.toString());
    }
    return event + u'(' + parts.join(u", "_s) + u')';
}
