#include "platform/wave/SimWaveDevices.h"

#include "NoticeLog.h"
#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace platform::wave;
using namespace std::chrono_literals;
using testsupport::waitUntil;

namespace {

QByteArray ramp16(int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i + 1 < bytes; i += 2) {
        const quint16 v = quint16(i * 3 + 11);
        out[i] = char(v & 0xFF);
        out[i + 1] = char(v >> 8);
    }
    return out;
}

struct OutputFixture : ::testing::Test {
    SimWaveDevices devices;
    SimWaveDevices::LineDevices line = devices.addLineDevices(QStringLiteral("Leitung 1"));
    WAVEFORMATEX format = makePcmFormat(8000, 16, 1);
    NoticeLog log;
    HWAVEOUT out{};

    void open()
    {
        ASSERT_EQ(devices.waveOutOpen(&out, line.waveOut, &format, &log.sink, 0, CALLBACK_WINDOW),
                  MMSYSERR_NOERROR);
        ASSERT_NE(out, HWAVEOUT{});
    }
};

} // namespace

// One second of 8 kHz 16-bit mono streamed as the control streams it: two
// headers of 4800 bytes, each refilled when it comes back. Four blocks play
// (3 x 4800 + 1600); every done notification comes after the write that queued
// it and not before the block's play time; the device holds exactly the bytes.
TEST_F(OutputFixture, OneSecondStreamsThroughTwoHeadersAndIsPlayedExactly)
{
    open();
    EXPECT_TRUE(log.notices.empty()) << "open notified inside the call";

    const QByteArray source = ramp16(16000);
    QByteArray buffers[2] = {QByteArray(4800, '\0'), QByteArray(4800, '\0')};
    WAVEHDR headers[2];
    qsizetype next = 0;
    std::vector<int> blockLengths;
    auto fill = [&](int i) {
        const qsizetype n = std::min<qsizetype>(4800, source.size() - next);
        std::copy_n(source.constData() + next, n, buffers[i].data());
        next += n;
        headers[i].dwBufferLength = quint32(n);
        blockLengths.push_back(int(n));
        return devices.waveOutWrite(out, &headers[i]);
    };
    for (int i = 0; i < 2; ++i) {
        headers[i].lpData = buffers[i].data();
        headers[i].dwBufferLength = 4800;
        ASSERT_EQ(devices.waveOutPrepareHeader(out, &headers[i]), MMSYSERR_NOERROR);
        EXPECT_EQ(headers[i].dwFlags, WHDR_PREPARED);
    }
    log.onNotice = [&](const Notice& n) {
        if (n.message == MM_WOM_DONE && next < source.size()) {
            EXPECT_EQ(fill(n.header == &headers[0] ? 0 : 1), MMSYSERR_NOERROR);
        }
    };

    log.clock.restart();
    ASSERT_EQ(fill(0), MMSYSERR_NOERROR);
    EXPECT_EQ(headers[0].dwFlags, WHDR_PREPARED | WHDR_INQUEUE);
    ASSERT_EQ(fill(1), MMSYSERR_NOERROR);
    EXPECT_EQ(log.count(MM_WOM_DONE), 0) << "done notified inside waveOutWrite";

    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WOM_DONE) == 4; }, 10s));
    EXPECT_EQ(blockLengths, (std::vector<int>{4800, 4800, 4800, 1600}));
    EXPECT_EQ(devices.outputDevice(line.waveOut)->played(), source);

    ASSERT_EQ(log.notices.front().message, MM_WOM_OPEN);
    const std::vector<Notice> done = log.of(MM_WOM_DONE);
    const qint64 endsMs[] = {300, 600, 900, 1000};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(done[k].header, &headers[k % 2]);
        EXPECT_EQ(done[k].flags, WHDR_PREPARED | WHDR_DONE);
        EXPECT_GE(done[k].atMs, endsMs[k]) << "block returned before its play time";
        EXPECT_TRUE(done[k].onOwnThread);
    }

    for (WAVEHDR& h : headers)
        EXPECT_EQ(devices.waveOutUnprepareHeader(out, &h), MMSYSERR_NOERROR);
    EXPECT_EQ(headers[0].dwFlags, WHDR_DONE);
    ASSERT_EQ(devices.waveOutClose(out), MMSYSERR_NOERROR);
    EXPECT_EQ(log.count(MM_WOM_CLOSE), 0) << "close notified inside the call";
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WOM_CLOSE) == 1; }));
    EXPECT_EQ(log.notices.back().message, MM_WOM_CLOSE);
}

// Reset stops playing at once and hands every queued buffer back as done, in
// queue order, through the event loop; the device keeps only what it played.
TEST_F(OutputFixture, ResetReturnsQueuedBuffersAsDone)
{
    open();
    const QByteArray source = ramp16(3 * 4800);
    WAVEHDR headers[3];
    for (int i = 0; i < 3; ++i) {
        headers[i].lpData = const_cast<char*>(source.constData()) + i * 4800;
        headers[i].dwBufferLength = 4800;
        ASSERT_EQ(devices.waveOutPrepareHeader(out, &headers[i]), MMSYSERR_NOERROR);
        ASSERT_EQ(devices.waveOutWrite(out, &headers[i]), MMSYSERR_NOERROR);
    }
    // While queued a header can be neither unprepared nor written again, and the
    // device cannot close.
    EXPECT_EQ(devices.waveOutUnprepareHeader(out, &headers[2]), WAVERR_STILLPLAYING);
    EXPECT_EQ(devices.waveOutWrite(out, &headers[2]), WAVERR_STILLPLAYING);
    EXPECT_EQ(devices.waveOutClose(out), WAVERR_STILLPLAYING);

    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WOM_DONE) == 1; }));
    ASSERT_EQ(devices.waveOutReset(out), MMSYSERR_NOERROR);
    EXPECT_EQ(log.count(MM_WOM_DONE), 1) << "reset notified inside the call";
    for (const WAVEHDR& h : headers)
        EXPECT_EQ(h.dwFlags, WHDR_PREPARED | WHDR_DONE);

    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WOM_DONE) == 3; }));
    const std::vector<Notice> done = log.of(MM_WOM_DONE);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(done[i].header, &headers[i]);
    const QByteArray& played = devices.outputDevice(line.waveOut)->played();
    EXPECT_GE(played.size(), 4800);
    EXPECT_LT(played.size(), source.size());
    EXPECT_EQ(played, source.left(played.size()));

    // The device plays again after a reset, then closes.
    WAVEHDR again;
    QByteArray tail = ramp16(160);
    again.lpData = tail.data();
    again.dwBufferLength = 160;
    ASSERT_EQ(devices.waveOutPrepareHeader(out, &again), MMSYSERR_NOERROR);
    ASSERT_EQ(devices.waveOutWrite(out, &again), MMSYSERR_NOERROR);
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WOM_DONE) == 4; }));
    EXPECT_TRUE(devices.outputDevice(line.waveOut)->played().endsWith(tail));
    EXPECT_EQ(devices.waveOutClose(out), MMSYSERR_NOERROR);
}

// The header and handle rules, and a closed handle that stays invalid.
TEST_F(OutputFixture, HeaderAndHandleErrors)
{
    open();
    HWAVEOUT second{};
    EXPECT_EQ(devices.waveOutOpen(&second, line.waveOut, &format, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_ALLOCATED);
    EXPECT_EQ(second, HWAVEOUT{});

    char byte = 0;
    WAVEHDR unprepared;
    unprepared.lpData = &byte;
    unprepared.dwBufferLength = 1;
    EXPECT_EQ(devices.waveOutWrite(out, &unprepared), WAVERR_UNPREPARED);
    EXPECT_EQ(devices.waveOutWrite(out, nullptr), MMSYSERR_INVALPARAM);
    WAVEHDR noData;
    noData.dwBufferLength = 100;
    EXPECT_EQ(devices.waveOutPrepareHeader(out, &noData), MMSYSERR_INVALPARAM);

    // An empty block is returned too, after the call.
    WAVEHDR empty;
    empty.lpData = &byte;
    ASSERT_EQ(devices.waveOutPrepareHeader(out, &empty), MMSYSERR_NOERROR);
    ASSERT_EQ(devices.waveOutWrite(out, &empty), MMSYSERR_NOERROR);
    EXPECT_EQ(log.count(MM_WOM_DONE), 0);
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WOM_DONE) == 1; }));

    ASSERT_EQ(devices.waveOutClose(out), MMSYSERR_NOERROR);
    EXPECT_EQ(devices.waveOutWrite(out, &empty), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(devices.waveOutPrepareHeader(out, &empty), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(devices.waveOutUnprepareHeader(out, &empty), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(devices.waveOutReset(out), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(devices.waveOutClose(out), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(devices.waveOutClose(HWAVEOUT{}), MMSYSERR_INVALHANDLE);

    // Reopening gives a new handle; the old one stays invalid.
    HWAVEOUT reopened{};
    ASSERT_EQ(devices.waveOutOpen(&reopened, line.waveOut, &format, nullptr, 0, CALLBACK_NULL),
              MMSYSERR_NOERROR);
    EXPECT_NE(reopened, out);
    EXPECT_EQ(devices.waveOutReset(out), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(devices.waveOutClose(reopened), MMSYSERR_NOERROR);
}
