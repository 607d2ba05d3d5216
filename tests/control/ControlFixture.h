#pragma once

#include "TapiTestSupport.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "platform/wave/SimWaveDevices.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>
#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Reaches the control's implementation (the class names this as a friend).
class LintaroTestAccess {
public:
    static LintaroPrivate& d(Lintaro& control) { return *control.d; }
};

namespace controltest {

using namespace platform::tapi;

// One event as the host received it.
struct Event {
    QString name;
    QVariantList args;
    QString text() const; // OnCallerID("030", "", "<ADDRESS>", 3, 65540)
};

// Records every event of a control in the order they are raised.
class EventLog {
public:
    explicit EventLog(Lintaro* control);
    ~EventLog();

    const std::vector<Event>& all() const { return m_events; }
    QStringList names() const;
    QStringList texts() const;
    // The events of one name, in order.
    std::vector<Event> of(const QString& name) const;
    size_t count(const QString& name) const { return of(name).size(); }
    // The OnTapiMessage events as "name|origin|code".
    QStringList messages() const;
    // Runs the event loop until `count` events of that name have been raised.
    bool waitFor(const QString& name, size_t count = 1) const;
    // Runs the event loop until an event with that text has been raised.
    bool waitForText(const QString& text) const;
    void clear() { m_events.clear(); }

private:
    std::vector<Event> m_events;
    QObject* m_monitor;
};

// The simulated exchange with the control on its service, the wave devices
// of its lines and a private folder for the log.
class ControlFixture : public tapitest::SimFixture {
protected:
    // The built-in lines, ringing on request only, every busy and disconnect
    // mode supported, line 1 with three addresses.
    static sim::SimConfig controlConfig();

    void SetUp() override;
    void TearDown() override;
    // Replaces exchange, service and control.
    void restart(const sim::SimConfig& config);
    void makeControl(const LintaroOptions& options);
    void destroyControl();

    // TapiLineInit, deviceId, TapiLineOpen; the events are cleared afterwards.
    void initAndOpen(int device = 0);
    // Offers a call on line 0 and waits until the control raised OnOffering
    // for it and every message of the offer was handled; returns its handle.
    HCALL offerCall(const QString& number, const QString& name = QString(), CallKey* id = nullptr);
    HCALL offerCall(const sim::SimExchange::IncomingCall& incoming, CallKey* id = nullptr);
    // Runs the event loop until every message the service posted so far (and
    // those their handling posted in turn) has been delivered.
    static void settle();

    LintaroPrivate& priv() { return LintaroTestAccess::d(*m_control); }
    TapiState& state() { return TapiState::process(); }
    QString logText() const;

    QTemporaryDir m_logDir;
    std::unique_ptr<platform::wave::SimWaveDevices> m_wave;
    std::unique_ptr<Lintaro> m_control;
    std::unique_ptr<EventLog> m_events;
};

} // namespace controltest
