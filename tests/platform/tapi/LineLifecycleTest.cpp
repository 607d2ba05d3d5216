// Opening, closing and losing a line; the device IDs that belong to it.
#include "TapiTestSupport.h"

#include "TestSupport.h"

#include <cstring>

using namespace tapitest;

namespace {

class Lifecycle : public SimFixture {
protected:
    DWORD deviceId(HLINE line, const char* deviceClass, LONG* result, HCALL call = 0,
                   DWORD select = LINECALLSELECT_LINE)
    {
        Buffer<VARSTRING> id(3097);
        id->dwStringFormat = STRINGFORMAT_BINARY;
        *result = m_service->lineGetID(line, 0, call, select, id.get(), deviceClass);
        if (*result != 0)
            return 0xFFFFFFFF;
        EXPECT_EQ(id->dwStringFormat, DWORD(STRINGFORMAT_BINARY));
        EXPECT_EQ(id->dwStringSize, 4u);
        DWORD value = 0;
        std::memcpy(&value, id.bytes.data() + id->dwStringOffset, 4);
        return value;
    }
    MessageLog m_log;
};

} // namespace

TEST_F(Lifecycle, DeviceIdsOfTheLine)
{
    sim::SimConfig config = testConfig();
    config.lines[0].waveOut = 3;
    config.lines[0].waveIn = 4;
    start(config);
    const HLINEAPP app = initialize(m_log);
    const HLINE line0 = open(app, 0, LINECALLPRIVILEGE_MONITOR);
    const HLINE line1 = open(app, 1, LINECALLPRIVILEGE_MONITOR);
    LONG result = 0;
    EXPECT_EQ(deviceId(line0, "wave/out", &result), 3u);
    EXPECT_EQ(deviceId(line0, "wave/in", &result), 4u);
    EXPECT_EQ(deviceId(line0, "tapi/phone", &result), 0u);
    EXPECT_EQ(deviceId(line0, "TAPI/Line", &result), 0u) << "classes ignore case";
    EXPECT_EQ(deviceId(line1, "tapi/line", &result), 1u);
    deviceId(line1, "wave/out", &result);
    EXPECT_EQ(result, LINEERR_INVALDEVICECLASS) << "line 2 has no wave device";
    deviceId(line1, "tapi/phone", &result);
    EXPECT_EQ(result, LINEERR_INVALDEVICECLASS);
    deviceId(line0, "comm/datamodem", &result);
    EXPECT_EQ(result, LINEERR_INVALDEVICECLASS);
    deviceId(line0, "wave/out", &result, 0, 0x10);
    EXPECT_EQ(result, LINEERR_INVALCALLSELECT);
    deviceId(line0, "wave/out", &result, 0, LINECALLSELECT_CALL);
    EXPECT_EQ(result, LINEERR_INVALCALLHANDLE);

    // The same through a call on the line.
    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    EXPECT_EQ(deviceId(0, "wave/out", &result, call, LINECALLSELECT_CALL), 3u);
}

// A driver that numbers its phones its own way names that number, whether the
// service knows such a phone or not.
TEST_F(Lifecycle, DriverNamesItsOwnPhoneId)
{
    sim::SimConfig config = testConfig();
    config.lines[0].phone.reportedDeviceId = 7;
    start(config);
    const HLINE line = open(initialize(m_log), 0, LINECALLPRIVILEGE_MONITOR);
    LONG result = 0;
    EXPECT_EQ(deviceId(line, "tapi/phone", &result), 7u);
    EXPECT_EQ(m_exchange->phoneOfLine(0), 0) << "the phone itself keeps its ID";
}

// The driver closes the line: LINE_CLOSE with the line's instance, and the
// handle is gone; the line can be opened again.
TEST_F(Lifecycle, ClosedByTheDriver)
{
    const HLINEAPP app = initialize(m_log);
    const HLINE line = open(app, 0, LINECALLPRIVILEGE_MONITOR | LINECALLPRIVILEGE_OWNER, 4711);
    const HCALL call = offer(m_log, QStringLiteral("0301234567"));
    ASSERT_TRUE(m_exchange->closeLineFromDriver(0));
    ASSERT_TRUE(m_log.waitFor(LINE_CLOSE));
    const Message closed = m_log.of(LINE_CLOSE)[0];
    EXPECT_EQ(closed.device, line);
    EXPECT_EQ(closed.instance, 4711u);
    EXPECT_EQ(m_service->lineClose(line), LINEERR_INVALLINEHANDLE);
    EXPECT_EQ(callInfo(call).result, LINEERR_INVALCALLHANDLE);
    EXPECT_TRUE(m_exchange->calls().isEmpty());
    QString error;
    EXPECT_FALSE(m_exchange->closeLineFromDriver(0, &error)) << "nobody has it open";

    const HLINE again = open(app, 0, LINECALLPRIVILEGE_MONITOR);
    EXPECT_NE(again, 0u);
    EXPECT_NE(again, line);
}

TEST_F(Lifecycle, OtherApplicationsHearOfOpenAndClose)
{
    const HLINEAPP watcher = initialize(m_log, "Watcher");
    const HLINE watching = open(watcher, 0, LINECALLPRIVILEGE_MONITOR);
    ASSERT_EQ(m_service->lineSetStatusMessages(
                  watching, LINEDEVSTATE_OPEN | LINEDEVSTATE_CLOSE | LINEDEVSTATE_RINGING, 0),
              0);
    MessageLog otherLog;
    const HLINEAPP other = initialize(otherLog, "Other");
    const HLINE line = open(other, 0, LINECALLPRIVILEGE_MONITOR);
    ASSERT_EQ(m_service->lineClose(line), 0);
    ASSERT_TRUE(m_log.waitFor(LINE_LINEDEVSTATE, 2));
    const auto states = m_log.of(LINE_LINEDEVSTATE);
    EXPECT_EQ(states[0].param1, DWORD_PTR(LINEDEVSTATE_OPEN));
    EXPECT_EQ(states[1].param1, DWORD_PTR(LINEDEVSTATE_CLOSE));

    EXPECT_EQ(m_service->lineSetStatusMessages(watching, 0x80000000, 0), LINEERR_INVALLINESTATE);
    EXPECT_EQ(m_service->lineSetStatusMessages(watching, 0, LINEADDRESSSTATE_FORWARD),
              LINEERR_INVALADDRESSSTATE);
}

TEST_F(Lifecycle, ShutdownClosesEverything)
{
    const HLINEAPP app = initialize(m_log);
    const HLINE line0 = open(app, 0, LINECALLPRIVILEGE_MONITOR);
    const HLINE line1 = open(app, 1, LINECALLPRIVILEGE_MONITOR);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 1);
    ASSERT_EQ(m_service->lineShutdown(app), 0);
    EXPECT_EQ(m_service->lineClose(line0), LINEERR_INVALLINEHANDLE);
    EXPECT_EQ(m_service->lineClose(line1), LINEERR_INVALLINEHANDLE);
    EXPECT_EQ(m_exchange->lines()[0].openCount, 0);
    EXPECT_EQ(m_exchange->lines()[1].openCount, 0);
    HLINE line = 0;
    EXPECT_EQ(m_service->lineOpen(app, 0, &line, TAPI_VERSION3_1, 0, 0, LINECALLPRIVILEGE_MONITOR,
                                  0, nullptr),
              LINEERR_INVALAPPHANDLE);
}
