#include "TapiTestSupport.h"

#include "TestSupport.h"

#include <QThread>

namespace tapitest {

LINECALLBACK MessageLog::callback()
{
    return [this](DWORD device, DWORD message, DWORD_PTR instance, DWORD_PTR p1, DWORD_PTR p2,
                  DWORD_PTR p3) {
        std::lock_guard lock(m_mutex);
        m_messages.push_back({device, message, instance, p1, p2, p3, QThread::currentThread()});
    };
}

std::vector<Message> MessageLog::all() const
{
    std::lock_guard lock(m_mutex);
    return m_messages;
}

std::vector<Message> MessageLog::of(DWORD message) const
{
    std::vector<Message> result;
    for (const Message& m : all()) {
        if (m.message == message)
            result.push_back(m);
    }
    return result;
}

std::vector<DWORD> MessageLog::callStates(HCALL call) const
{
    std::vector<DWORD> states;
    for (const Message& m : of(LINE_CALLSTATE)) {
        if (m.device == call)
            states.push_back(DWORD(m.param1));
    }
    return states;
}

bool MessageLog::waitFor(DWORD message, size_t n) const
{
    return testsupport::waitUntil([&] { return count(message) >= n; });
}

bool MessageLog::waitForState(HCALL call, DWORD state) const
{
    return testsupport::waitUntil([&] {
        const auto states = callStates(call);
        return std::find(states.begin(), states.end(), state) != states.end();
    });
}

void MessageLog::clear()
{
    std::lock_guard lock(m_mutex);
    m_messages.clear();
}

QString textAt(const void* structure, DWORD offset, DWORD size)
{
    if (size == 0 || offset == 0)
        return QString();
    QByteArray bytes(static_cast<const char*>(structure) + offset, qsizetype(size));
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    return QString::fromLatin1(bytes);
}

sim::SimConfig SimFixture::testConfig()
{
    sim::SimConfig config = sim::SimConfig::defaults();
    for (sim::SimLineConfig& line : config.lines)
        line.ringIntervalMs = 0;
    return config;
}

void SimFixture::start(sim::SimConfig config)
{
    m_service.reset();
    m_exchange.reset();
    ASSERT_TRUE(m_dir.isValid());
    m_configPath = m_dir.filePath(QStringLiteral("telephony.ini"));
    m_exchange = std::make_unique<sim::SimExchange>(std::move(config));
    m_exchange->setConfigPath(m_configPath);
    m_service =
        std::make_unique<TapiService>(*m_exchange, TelephonyConfig(m_configPath), m_dialogs);
}

void SimFixture::TearDown()
{
    m_service.reset();
    m_exchange.reset();
    testsupport::spin(std::chrono::milliseconds(1)); // lets deferred deletes run
}

HLINEAPP SimFixture::initialize(MessageLog& log, const char* name, DWORD_PTR instance)
{
    HLINEAPP app = 0;
    DWORD devices = 0;
    DWORD version = TAPI_CURRENT_VERSION;
    LINEINITIALIZEEXPARAMS params{
        sizeof params, 0, 0, LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    EXPECT_EQ(m_service->lineInitializeEx(&app, instance, log.callback(), name, &devices, &version,
                                          &params),
              0);
    return app;
}

DWORD SimFixture::negotiated(HLINEAPP app, DWORD device)
{
    DWORD version = 0;
    LINEEXTENSIONID id{};
    EXPECT_EQ(m_service->lineNegotiateAPIVersion(app, device, TAPI_VERSION1_0, TAPI_CURRENT_VERSION,
                                                 &version, &id),
              0);
    return version;
}

HLINE SimFixture::open(HLINEAPP app, DWORD device, DWORD privileges, DWORD_PTR instance)
{
    HLINE line = 0;
    EXPECT_EQ(m_service->lineOpen(app, device, &line, negotiated(app, device), 0, instance,
                                  privileges, LINEMEDIAMODE_INTERACTIVEVOICE, nullptr),
              0);
    EXPECT_EQ(m_service->lineSetStatusMessages(line, LINEDEVSTATE_RINGING, 0), 0);
    return line;
}

CallInfo SimFixture::callInfo(HCALL call)
{
    Buffer<LINECALLINFO> buffer(4096);
    CallInfo info;
    info.result = m_service->lineGetCallInfo(call, buffer.get());
    info.fixed = *buffer.get();
    const LINECALLINFO& c = info.fixed;
    info.callerNumber = buffer.text(c.dwCallerIDOffset, c.dwCallerIDSize);
    info.callerName = buffer.text(c.dwCallerIDNameOffset, c.dwCallerIDNameSize);
    info.calledNumber = buffer.text(c.dwCalledIDOffset, c.dwCalledIDSize);
    info.connectedNumber = buffer.text(c.dwConnectedIDOffset, c.dwConnectedIDSize);
    info.connectedName = buffer.text(c.dwConnectedIDNameOffset, c.dwConnectedIDNameSize);
    info.redirectionNumber = buffer.text(c.dwRedirectionIDOffset, c.dwRedirectionIDSize);
    info.redirectingNumber = buffer.text(c.dwRedirectingIDOffset, c.dwRedirectingIDSize);
    info.chargingInfo = buffer.text(c.dwChargingInfoOffset, c.dwChargingInfoSize);
    info.appName = buffer.text(c.dwAppNameOffset, c.dwAppNameSize);
    return info;
}

LINECALLSTATUS SimFixture::callStatus(HCALL call)
{
    Buffer<LINECALLSTATUS> buffer(sizeof(LINECALLSTATUS));
    EXPECT_EQ(m_service->lineGetCallStatus(call, buffer.get()), 0);
    return *buffer.get();
}

HCALL SimFixture::handleOfCall(const MessageLog& log, CallKey id)
{
    for (const Message& m : log.of(LINE_CALLSTATE)) {
        if (callInfo(m.device).fixed.dwCallID == id)
            return m.device;
    }
    return 0;
}

HCALL SimFixture::offer(MessageLog& log, const QString& number, const QString& name)
{
    sim::SimExchange::IncomingCall incoming;
    incoming.callerNumber = number;
    incoming.callerName = name;
    QString error;
    const CallKey id = m_exchange->offerCall(0, incoming, &error);
    EXPECT_NE(id, 0u) << qPrintable(error);
    EXPECT_TRUE(testsupport::waitUntil([&] { return handleOfCall(log, id) != 0; }));
    return handleOfCall(log, id);
}

} // namespace tapitest
