#include "platform/wave/SimWaveDevices.h"
#include "platform/wave/ByteRateClock.h"

#include "NoticeLog.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace platform::wave;
using testsupport::waitUntil;

TEST(SimWaveDevices, LinesGetNumberedDevicesWithNamesAndCapabilities)
{
    SimWaveDevices devices;
    EXPECT_EQ(devices.waveOutGetNumDevs(), 0u);
    const auto first = devices.addLineDevices(QStringLiteral("Leitung 1"));
    const auto second = devices.addLineDevices(QStringLiteral("Leitung 2"));
    const quint32 music = devices.addOutputDevice(
        {QStringLiteral("Musik"), {makePcmFormat(44100, 16, 2), makePcmFormat(22050, 8, 1)}});
    EXPECT_EQ(first.waveOut, 0u);
    EXPECT_EQ(first.waveIn, 0u);
    EXPECT_EQ(second.waveOut, 1u);
    EXPECT_EQ(second.waveIn, 1u);
    EXPECT_EQ(music, 2u);
    EXPECT_EQ(devices.waveOutGetNumDevs(), 3u);
    EXPECT_EQ(devices.waveInGetNumDevs(), 2u);

    WAVEOUTCAPS out;
    ASSERT_EQ(devices.waveOutGetDevCaps(1, &out), MMSYSERR_NOERROR);
    EXPECT_EQ(out.szPname, QStringLiteral("Leitung 2 Wave Out"));
    EXPECT_EQ(out.wChannels, 1);
    EXPECT_EQ(out.dwFormats, 0u); // 8 kHz has no standard format bit
    ASSERT_EQ(devices.waveOutGetDevCaps(music, &out), MMSYSERR_NOERROR);
    EXPECT_EQ(out.dwFormats, WAVE_FORMAT_4S16 | WAVE_FORMAT_2M08);
    EXPECT_EQ(out.wChannels, 2);
    WAVEINCAPS in;
    ASSERT_EQ(devices.waveInGetDevCaps(0, &in), MMSYSERR_NOERROR);
    EXPECT_EQ(in.szPname, QStringLiteral("Leitung 1 Wave In"));
    EXPECT_EQ(devices.waveInGetDevCaps(2, &in), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(devices.waveOutGetDevCaps(3, &out), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(devices.outputDevice(3), nullptr);
    EXPECT_EQ(devices.inputDevice(2), nullptr);
}

// Formats a line device cannot take are refused on both directions; the
// recording format with its cbSize of 18 is PCM all the same and is taken.
TEST(SimWaveDevices, FormatsOutsideTheDeviceSetAreRefused)
{
    SimWaveDevices devices;
    const auto line = devices.addLineDevices(QStringLiteral("Leitung 1"));
    WAVEFORMATEX recording = makePcmFormat(8000, 16, 1);
    recording.cbSize = 18;
    WAVEFORMATEX adpcm = makePcmFormat(8000, 16, 1);
    adpcm.wFormatTag = 2;
    WAVEFORMATEX badAlign = makePcmFormat(8000, 16, 1);
    badAlign.nBlockAlign = 4;
    WAVEFORMATEX badRate = makePcmFormat(8000, 16, 1);
    badRate.nAvgBytesPerSec = 8000;

    struct Case {
        const char* name;
        WAVEFORMATEX format;
        MMRESULT expected;
    };
    const Case cases[] = {
        {"PCM 8 kHz 16 bit mono", recording, MMSYSERR_NOERROR},
        {"PCM 8 kHz 8 bit mono", makePcmFormat(8000, 8, 1), MMSYSERR_NOERROR},
        {"PCM 44.1 kHz 16 bit stereo", makePcmFormat(44100, 16, 2), WAVERR_BADFORMAT},
        {"PCM 16 kHz 16 bit mono", makePcmFormat(16000, 16, 1), WAVERR_BADFORMAT},
        {"PCM 8 kHz 16 bit stereo", makePcmFormat(8000, 16, 2), WAVERR_BADFORMAT},
        {"ADPCM 8 kHz", adpcm, WAVERR_BADFORMAT},
        {"block align not of the format", badAlign, WAVERR_BADFORMAT},
        {"byte rate not of the format", badRate, WAVERR_BADFORMAT},
    };
    NoticeLog log;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            devices.waveOutOpen(nullptr, line.waveOut, &c.format, nullptr, 0, WAVE_FORMAT_QUERY),
            c.expected);
        HWAVEOUT out{HWAVEOUT(77)};
        EXPECT_EQ(devices.waveOutOpen(&out, line.waveOut, &c.format, &log.sink, 0, CALLBACK_WINDOW),
                  c.expected);
        EXPECT_EQ(out == HWAVEOUT{}, c.expected != MMSYSERR_NOERROR);
        if (out != HWAVEOUT{}) {
            EXPECT_EQ(devices.waveOutClose(out), MMSYSERR_NOERROR);
        }
        HWAVEIN in{HWAVEIN(77)};
        EXPECT_EQ(devices.waveInOpen(&in, line.waveIn, &c.format, &log.sink, 0, CALLBACK_WINDOW),
                  c.expected);
        EXPECT_EQ(in == HWAVEIN{}, c.expected != MMSYSERR_NOERROR);
        if (in != HWAVEIN{}) {
            EXPECT_EQ(devices.waveInClose(in), MMSYSERR_NOERROR);
        }
    }
    // Only the two accepted formats opened and closed each device; a query opens nothing.
    ASSERT_TRUE(waitUntil([&] { return log.notices.size() == 8; }));
    EXPECT_EQ(log.count(MM_WOM_OPEN), 2);
    EXPECT_EQ(log.count(MM_WIM_CLOSE), 2);
    EXPECT_EQ(devices.outputDevice(line.waveOut)->openCount(), 2);
}

TEST(SimWaveDevices, OpenArgumentErrors)
{
    SimWaveDevices devices;
    const auto line = devices.addLineDevices(QStringLiteral("Leitung 1"));
    const WAVEFORMATEX pcm = makePcmFormat(8000, 16, 1);
    NoticeLog log;
    HWAVEOUT out{};
    HWAVEIN in{};
    EXPECT_EQ(devices.waveOutOpen(&out, 5, &pcm, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_BADDEVICEID);
    EXPECT_EQ(devices.waveOutOpen(&out, WAVE_MAPPER, &pcm, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_BADDEVICEID);
    EXPECT_EQ(devices.waveInOpen(&in, 1, &pcm, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_BADDEVICEID);
    EXPECT_EQ(devices.waveOutOpen(&out, 0, &pcm, nullptr, 0, CALLBACK_WINDOW), MMSYSERR_INVALPARAM);
    EXPECT_EQ(devices.waveOutOpen(&out, 0, nullptr, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_INVALPARAM);
    EXPECT_EQ(devices.waveOutOpen(nullptr, 0, &pcm, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_INVALPARAM);
    EXPECT_EQ(devices.waveInOpen(&in, 0, &pcm, &log.sink, 0, CALLBACK_FUNCTION),
              MMSYSERR_INVALFLAG);
    EXPECT_EQ(devices.waveInOpen(&in, 0, &pcm, &log.sink, 0, CALLBACK_WINDOW | 0x100),
              MMSYSERR_INVALFLAG);
    EXPECT_FALSE(devices.outputDevice(line.waveOut)->isOpen());
    EXPECT_FALSE(devices.inputDevice(line.waveIn)->isOpen());

    // The instance value travels with every notification.
    ASSERT_EQ(devices.waveInOpen(&in, 0, &pcm, &log.sink, 0xC0FFEE, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    HWAVEIN second{};
    EXPECT_EQ(devices.waveInOpen(&second, 0, &pcm, &log.sink, 0, CALLBACK_WINDOW),
              MMSYSERR_ALLOCATED);
    ASSERT_EQ(devices.waveInClose(in), MMSYSERR_NOERROR);
    EXPECT_EQ(devices.waveInStart(in), MMSYSERR_INVALHANDLE);
    ASSERT_TRUE(waitUntil([&] { return log.notices.size() == 2; }));
    EXPECT_EQ(log.notices[0].message, MM_WIM_OPEN);
    EXPECT_EQ(log.notices[1].message, MM_WIM_CLOSE);
    EXPECT_EQ(log.notices[0].device, quint32(in));
}

TEST(ByteRateClock, ConvertsBetweenTimeAndBytesWithoutOverflow)
{
    struct Case {
        qint64 ns;
        quint32 rate;
        qint64 bytes;
    };
    const Case cases[] = {
        {300'000'000, 16000, 4800},
        {100'000'000, 16000, 1600},
        {1'000'000'000, 16000, 16000},
        {100'000'000, 176400, 17640},
        {36'000'000'000'000LL, 16000, 576'000'000}, // ten hours
        {36'000'000'000'000LL, 384000, 13'824'000'000LL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ns);
        EXPECT_EQ(ByteRateClock::bytesAt(c.ns, c.rate), c.bytes);
        EXPECT_EQ(ByteRateClock::nanosecondsFor(c.bytes, c.rate), c.ns);
    }
    // Rounding: bytes are only due once their time is complete, times round up.
    EXPECT_EQ(ByteRateClock::bytesAt(62'499, 16000), 0);
    EXPECT_EQ(ByteRateClock::bytesAt(62'500, 16000), 1);
    EXPECT_EQ(ByteRateClock::nanosecondsFor(1, 44100), 22'676);
}
