#include "ControlFixture.h"

#include "TestSupport.h"

#include "control/line/LintaroDevices.h"
#include "control/line/LintaroEventMonitor.h"

#include <QCoreApplication>
#include <QFile>

namespace controltest {

QString Event::text() const
{
    return LintaroEventMonitor::describe(name, args);
}

EventLog::EventLog(Lintaro* control) : m_monitor(new LintaroEventMonitor(control))
{
    QObject::connect(static_cast<LintaroEventMonitor*>(m_monitor),
                     &LintaroEventMonitor::eventRaised, m_monitor,
                     [this](const QString& name, const QVariantList& args) {
                         m_events.push_back({name, args});
                     });
}

EventLog::~EventLog()
{
    delete m_monitor;
}

QStringList EventLog::names() const
{
    QStringList result;
    for (const Event& e : m_events)
        result.append(e.name);
    return result;
}

QStringList EventLog::texts() const
{
    QStringList result;
    for (const Event& e : m_events)
        result.append(e.text());
    return result;
}

std::vector<Event> EventLog::of(const QString& name) const
{
    std::vector<Event> result;
    for (const Event& e : m_events) {
        if (e.name == name)
            result.push_back(e);
    }
    return result;
}

QStringList EventLog::messages() const
{
    QStringList result;
    for (const Event& e : of(QStringLiteral("OnTapiMessage")))
        result.append(e.args[0].toString() + u'|' + e.args[1].toString() + u'|' +
                      e.args[2].toString());
    return result;
}

bool EventLog::waitFor(const QString& name, size_t n) const
{
    return testsupport::waitUntil([&] { return count(name) >= n; });
}

bool EventLog::waitForText(const QString& text) const
{
    return testsupport::waitUntil([&] { return texts().contains(text); });
}

sim::SimConfig ControlFixture::controlConfig()
{
    sim::SimConfig config = testConfig();
    for (sim::SimLineConfig& line : config.lines) {
        line.busyModes = 0xF;
        line.disconnectModes = 0xFFFFF;
    }
    config.lines[1].addresses = {QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13")};
    return config;
}

void ControlFixture::SetUp()
{
    ASSERT_TRUE(m_logDir.isValid());
    start(controlConfig());
    LintaroOptions options;
    options.logDirectory = m_logDir.path();
    makeControl(options);
}

void ControlFixture::TearDown()
{
    destroyControl();
    SimFixture::TearDown();
}

void ControlFixture::restart(const sim::SimConfig& config)
{
    destroyControl();
    start(config);
    LintaroOptions options;
    options.logDirectory = m_logDir.path();
    makeControl(options);
}

void ControlFixture::makeControl(const LintaroOptions& options)
{
    m_wave = std::make_unique<platform::wave::SimWaveDevices>();
    LintaroDevices::addSimLineDevices(*m_wave, m_exchange->config());
    m_control = std::make_unique<Lintaro>(*m_service, *m_wave, options);
    m_events = std::make_unique<EventLog>(m_control.get());
}

void ControlFixture::destroyControl()
{
    m_events.reset();
    m_control.reset();
    m_wave.reset();
}

void ControlFixture::initAndOpen(int device)
{
    m_control->TapiLineInit();
    m_control->setDeviceId(device);
    m_control->TapiLineOpen();
    ASSERT_TRUE(state().lineOpen) << qPrintable(m_events->texts().join(u'\n'));
    m_events->clear();
}

HCALL ControlFixture::offerCall(const QString& number, const QString& name, CallKey* id)
{
    sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = number;
    incoming.callerName = name;
    return offerCall(incoming, id);
}

HCALL ControlFixture::offerCall(const sim::SimExchange::IncomingCall& incoming, CallKey* id)
{
    const size_t before = m_events->count(QStringLiteral("OnOffering"));
    QString error;
    const CallKey key = m_exchange->offerCall(0, incoming, &error);
    EXPECT_NE(key, 0u) << qPrintable(error);
    if (id)
        *id = key;
    EXPECT_TRUE(m_events->waitFor(QStringLiteral("OnOffering"), before + 1));
    settle(); // the first ring and whatever else the offer sent
    const auto offerings = m_events->of(QStringLiteral("OnOffering"));
    return offerings.empty() ? 0 : HCALL(offerings.back().args[1].toInt());
}

void ControlFixture::settle()
{
    // Posted events are delivered in order: a marker posted now runs after
    // every message posted before it. Three rounds cover the messages their
    // handling posted (replies and the state changes after them).
    for (int round = 0; round < 3; ++round) {
        bool reached = false;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&reached] { reached = true; }, Qt::QueuedConnection);
        testsupport::waitUntil([&] { return reached; });
    }
}

QString ControlFixture::logText() const
{
    QFile file(m_logDir.filePath(QStringLiteral("status.log")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

} // namespace controltest
