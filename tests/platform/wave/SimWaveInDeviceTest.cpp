#include "platform/wave/SimWaveDevices.h"
#include "platform/wave/WavFile.h"

#include "NoticeLog.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <array>

using namespace platform::wave;
using namespace std::chrono_literals;
using testsupport::waitUntil;

namespace {

QByteArray counting16(int samples)
{
    QByteArray out(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<qint16>(qint16(i * 5 - 3000), out.data() + 2 * i);
    return out;
}

// Five buffers of 0.1 s rotating as a recorder keeps them: each full buffer is
// queued again right away, until `wanted` buffers have come back.
struct InputFixture : ::testing::Test {
    SimWaveDevices devices;
    SimWaveDevices::LineDevices line = devices.addLineDevices(QStringLiteral("Leitung 1"));
    WAVEFORMATEX format = makePcmFormat(8000, 16, 1);
    NoticeLog log;
    HWAVEIN in{};
    std::array<QByteArray, 5> buffers;
    std::array<WAVEHDR, 5> headers;
    int wanted = 0;

    SimWaveInDevice& device() { return *devices.inputDevice(line.waveIn); }

    void openAndQueue(int bufferSize = 1600)
    {
        ASSERT_EQ(devices.waveInOpen(&in, line.waveIn, &format, &log.sink, 0, CALLBACK_WINDOW),
                  MMSYSERR_NOERROR);
        for (int i = 0; i < 5; ++i) {
            buffers[i] = QByteArray(bufferSize, '\x55');
            headers[i] = WAVEHDR{};
            headers[i].lpData = buffers[i].data();
            headers[i].dwBufferLength = quint32(bufferSize);
            ASSERT_EQ(devices.waveInPrepareHeader(in, &headers[i]), MMSYSERR_NOERROR);
            ASSERT_EQ(devices.waveInAddBuffer(in, &headers[i]), MMSYSERR_NOERROR);
        }
        log.onNotice = [this](const Notice& n) {
            if (n.message == MM_WIM_DATA && log.count(MM_WIM_DATA) + 5 <= wanted) {
                EXPECT_EQ(devices.waveInAddBuffer(in, n.header), MMSYSERR_NOERROR);
            }
        };
    }

    QByteArray recorded() const
    {
        QByteArray all;
        for (const Notice& n : log.of(MM_WIM_DATA))
            all += n.bytes;
        return all;
    }

    // Reset, unprepare, close, and wait until the close has been handled, so
    // that every notification of this opening is in the log.
    void finish()
    {
        ASSERT_EQ(devices.waveInReset(in), MMSYSERR_NOERROR);
        for (WAVEHDR& h : headers)
            ASSERT_EQ(devices.waveInUnprepareHeader(in, &h), MMSYSERR_NOERROR);
        ASSERT_EQ(devices.waveInClose(in), MMSYSERR_NOERROR);
        ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_CLOSE) == 1; }));
    }
};

} // namespace

// The buffers come back full, in queue order, one per 0.1 s at the earliest,
// holding the source's samples in order: a one-second source and then silence.
TEST_F(InputFixture, BuffersFillInOrderWithTheSourceSamples)
{
    const QByteArray source = counting16(8000);
    device().setSource(WaveSource::samples(format, source));
    openAndQueue();
    wanted = 12;
    log.clock.restart();
    ASSERT_EQ(devices.waveInStart(in), MMSYSERR_NOERROR);
    EXPECT_EQ(log.count(MM_WIM_DATA), 0);

    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_DATA) == 12; }, 10s));
    const std::vector<Notice> data = log.of(MM_WIM_DATA);
    for (int k = 0; k < 12; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(data[k].header, &headers[k % 5]);
        EXPECT_EQ(data[k].flags, WHDR_PREPARED | WHDR_DONE);
        EXPECT_EQ(data[k].bytes.size(), 1600);
        EXPECT_GE(data[k].atMs, 100 * (k + 1)) << "buffer full before its time";
    }
    EXPECT_EQ(recorded(), source + QByteArray(3200, '\0'));
    EXPECT_TRUE(device().captured().startsWith(recorded()));
    EXPECT_EQ(log.notices.front().message, MM_WIM_OPEN);

    finish();
    EXPECT_EQ(log.notices.back().message, MM_WIM_CLOSE);
}

// Stop hands back the buffer being filled, keeps the empty ones queued and
// records nothing more; reset then returns the rest. A new opening hears the
// source from its beginning again.
TEST_F(InputFixture, StopKeepsEmptyBuffersAndResetReturnsThem)
{
    const QByteArray source = counting16(8000);
    device().setSource(WaveSource::samples(format, source));
    openAndQueue();
    wanted = 5; // no buffer is queued again
    ASSERT_EQ(devices.waveInStart(in), MMSYSERR_NOERROR);
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_DATA) >= 1; }));
    ASSERT_EQ(devices.waveInStop(in), MMSYSERR_NOERROR);
    EXPECT_EQ(devices.waveInClose(in), WAVERR_STILLPLAYING);
    // The full buffers and a partly filled one come back; the empty ones stay.
    const int returned = 5 - device().queuedBuffers();
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_DATA) == returned; }));
    testsupport::spin(250ms);
    EXPECT_EQ(log.count(MM_WIM_DATA), returned) << "recorded after stop";
    EXPECT_EQ(recorded(), source.left(recorded().size()));
    EXPECT_EQ(device().queuedBuffers(), 5 - returned);

    finish();
    EXPECT_EQ(log.count(MM_WIM_DATA), 5);
    for (const WAVEHDR& h : headers)
        EXPECT_EQ(h.dwFlags & (WHDR_DONE | WHDR_INQUEUE | WHDR_PREPARED), WHDR_DONE);

    // Second opening: from the start of the source again.
    log.notices.clear();
    openAndQueue();
    ASSERT_EQ(devices.waveInStart(in), MMSYSERR_NOERROR);
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_DATA) >= 1; }));
    EXPECT_EQ(log.of(MM_WIM_DATA).front().bytes, source.left(1600));
    finish();
}

// What each kind of source sounds like in the first 0.2 s.
TEST_F(InputFixture, SourcesDeliverTheirSignal)
{
    QTemporaryDir dir;
    const QString wavPath = dir.filePath(QStringLiteral("ansage.wav"));
    const QByteArray fileSamples = counting16(1000); // 2000 bytes, then silence
    ASSERT_EQ((WavFile{format, fileSamples}.write(wavPath)), MMSYSERR_NOERROR);
    MMRESULT error = 0;
    auto fromFile = WaveSource::fromWavFile(wavPath, &error);
    ASSERT_NE(fromFile, nullptr) << error;
    EXPECT_EQ(WaveSource::fromWavFile(dir.filePath(QStringLiteral("fehlt.wav")), &error), nullptr);
    EXPECT_EQ(error, MMIOERR_FILENOTFOUND);
    const QByteArray shortLoop = counting16(300);

    const WAVEFORMATEX eightBit = makePcmFormat(8000, 8, 1);
    struct Case {
        const char* name;
        std::shared_ptr<const WaveSource> source;
        WAVEFORMATEX format;
        QByteArray expected; // the first 3200 bytes
    };
    const Case cases[] = {
        {"silence 16 bit", WaveSource::silence(), format, QByteArray(3200, '\0')},
        {"silence 8 bit", WaveSource::silence(), eightBit, QByteArray(3200, '\x80')},
        {"WAV file", fromFile, format, fileSamples + QByteArray(1200, '\0')},
        {"looped samples", WaveSource::samples(format, shortLoop, true), format,
         (shortLoop.repeated(6)).left(3200)},
        {"samples of another format", WaveSource::samples(eightBit, shortLoop), format,
         QByteArray(3200, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.notices.clear();
        format = c.format;
        device().setSource(c.source);
        openAndQueue(c.expected.size() / 2);
        wanted = 2;
        ASSERT_EQ(devices.waveInStart(in), MMSYSERR_NOERROR);
        ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_DATA) >= 2; }));
        EXPECT_EQ(recorded().left(c.expected.size()).toHex(), c.expected.toHex());
        finish();
    }
}

// A 1 kHz tone at 8 kHz repeats every 8 samples, starts at 0 and peaks at the
// amplitude on the third sample.
TEST_F(InputFixture, ToneIsAPeriodicSineAtTheAmplitude)
{
    device().setSource(WaveSource::tone(1000, 0.5));
    openAndQueue();
    wanted = 5;
    ASSERT_EQ(devices.waveInStart(in), MMSYSERR_NOERROR);
    ASSERT_TRUE(waitUntil([&] { return log.count(MM_WIM_DATA) >= 3; }));
    const QByteArray bytes = recorded().left(4800);
    ASSERT_EQ(bytes.size(), 4800);
    auto sample = [&](int i) { return qFromLittleEndian<qint16>(bytes.constData() + 2 * i); };
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(2), 16384);
    EXPECT_EQ(sample(6), -16384);
    for (int i = 0; i + 8 < 2400; ++i)
        ASSERT_EQ(sample(i), sample(i + 8)) << i;
    finish();
}
