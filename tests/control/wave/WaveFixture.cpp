#include "WaveFixture.h"

#include "RiffBytes.h"
#include "TestSupport.h"

#include "control/line/LintaroDevices.h"
#include "control/line/LintaroEventMonitor.h"

#include <QTimer>

using namespace platform;
using namespace Qt::StringLiterals;

namespace wavetest {

QByteArray ramp16(int bytes, int seed)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i + 1 < bytes; i += 2) {
        const quint16 v = quint16(i * 7 + seed * 1013 + 1);
        out[i] = char(v & 0xFF);
        out[i + 1] = char(v >> 8);
    }
    return out;
}

void expectAllCaptured(const QByteArray& recorded, const QByteArray& captured)
{
    EXPECT_EQ(recorded.size() % 2, 0);
    EXPECT_EQ(recorded.size(), captured.size() - captured.size() % 2);
    EXPECT_TRUE(recorded == captured.left(recorded.size())) << "the samples differ";
}

void WaveFixture::SetUp()
{
    SimFixture::SetUp();
    ASSERT_TRUE(m_files.isValid());
    m_sim = std::make_unique<wave::SimWaveDevices>();
    LintaroDevices::addSimLineDevices(*m_sim, m_exchange->config());
    m_devices = std::make_unique<RecordingWaveDevices>(
        *m_sim, [this](const QString& call) { m_trace << call; });
    makeControl();
}

void WaveFixture::TearDown()
{
    destroyControl();
    m_devices.reset();
    m_sim.reset();
    SimFixture::TearDown();
}

void WaveFixture::makeControl()
{
    LintaroOptions options;
    options.logDirectory = m_files.path();
    m_control = std::make_unique<Lintaro>(*m_service, *m_devices, options);
    auto* monitor = new LintaroEventMonitor(m_control.get(), m_control.get());
    QObject::connect(monitor, &LintaroEventMonitor::eventRaised, monitor,
                     [this](const QString& event, const QVariantList& args) {
                         m_events.push_back({event, args});
                         m_trace << LintaroEventMonitor::describe(event, args);
                     });
    // Connected after the control's own handler: "tick" follows what the
    // control did on that tick.
    QObject::connect(playTimer(), &QTimer::timeout, m_control.get(),
                     [this] { m_trace << u"tick"_s; });
}

void WaveFixture::destroyControl()
{
    m_control.reset();
}

QTimer* WaveFixture::playTimer() const
{
    return m_control->findChild<QTimer*>(u"tmrWavePlay"_s);
}

CallKey WaveFixture::connectCall(DWORD line)
{
    m_control->TapiLineInit();
    m_control->setDeviceId(int(line));
    m_control->TapiLineOpen();
    EXPECT_TRUE(TapiState::process().lineOpen) << qPrintable(messages().join(u", "_s));
    return answerNewCall(line);
}

CallKey WaveFixture::answerNewCall(DWORD line)
{
    m_events.clear();
    tapi::sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = u"0301234567"_s;
    QString error;
    const CallKey id = m_exchange->offerCall(line, incoming, &error);
    EXPECT_NE(id, 0u) << qPrintable(error);
    EXPECT_TRUE(waitForEvent(u"OnOffering"_s));
    EXPECT_TRUE(m_exchange->answerAtPhone(id, &error)) << qPrintable(error);
    EXPECT_TRUE(testsupport::waitUntil(
        [] { return TapiState::process().callStateText == u"CONNECTED"_s; }));
    m_events.clear();
    m_trace.clear();
    return id;
}

bool WaveFixture::waitForEvent(const QString& name, int n) const
{
    return testsupport::waitUntil([&] { return count(name) >= n; });
}

QString WaveFixture::filePath(const QString& name) const
{
    return m_files.filePath(name);
}

QString WaveFixture::writeWav(const QString& name, const QByteArray& samples)
{
    using namespace riffbytes;
    const QString path = filePath(name);
    EXPECT_TRUE(writeFile(
        path, riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1)), chunk("data", samples)})));
    return path;
}

QStringList WaveFixture::eventNames() const
{
    QStringList names;
    for (const Event& e : m_events)
        names << e.name;
    return names;
}

QStringList WaveFixture::messages() const
{
    QStringList out;
    for (const Event& e : m_events) {
        if (e.name == u"OnTapiMessage"_s)
            out << u"%1|%2|%3"_s.arg(e.args.value(0).toString(), e.args.value(1).toString(),
                                     e.args.value(2).toString());
    }
    return out;
}

QStringList WaveFixture::traced(const QString& prefix) const
{
    QStringList out;
    for (const QString& entry : m_trace) {
        if (entry.startsWith(prefix))
            out << entry;
    }
    return out;
}

qsizetype WaveFixture::indexInTrace(const QString& entry, qsizetype from) const
{
    return m_trace.indexOf(entry, from);
}

std::vector<int> WaveFixture::blocksWritten() const
{
    std::vector<int> sizes;
    for (const QString& entry : traced(u"waveOutWrite "_s))
        sizes.push_back(entry.mid(13).toInt());
    return sizes;
}

} // namespace wavetest
