// Playing a wave file into a connected call: the blocks streamed, what the
// device played, when OnWavePlayStart and OnWavePlayDone come, the files that
// play and those that are refused, and WavePlayStop.
#include "RiffBytes.h"
#include "TestSupport.h"
#include "WaveFixture.h"

#include "control/line/LintaroEventMonitor.h"
#include "platform/wave/SimWaveOutDevice.h"

#include <QDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace platform::wave;
using namespace riffbytes;
using testsupport::waitUntil;

namespace wavetest {
namespace {

QString describe(const char* event, const QString& file)
{
    return LintaroEventMonitor::describe(QString::fromLatin1(event), {file});
}

// --- Streaming ----------------------------------------------------------------------

struct StreamCase {
    const char* name;
    int dataBytes;
    std::vector<int> blocks;
};

void PrintTo(const StreamCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveStreaming : public WaveFixture, public ::testing::WithParamInterface<StreamCase> {};

// The file streams through the two blocks of 0.3 s (4800 bytes at 8 kHz,
// 16 bit, mono), the device plays every byte of it and nothing else, and
// OnWavePlayDone comes at the first timer tick after the device has given
// the last block back (never before, never a tick later).
TEST_P(WaveStreaming, PlaysTheWholeFileAndEndsAtTheNextTick)
{
    const StreamCase& c = GetParam();
    connectCall();
    const QByteArray samples = ramp16(c.dataBytes);
    const QString file = writeWav(u"a.wav"_s, samples);

    m_control->WavePlayStart(file);
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s)) << qPrintable(m_trace.join(u"\n"_s));

    EXPECT_EQ(blocksWritten(), c.blocks);
    EXPECT_EQ(output()->played(), samples);
    EXPECT_EQ(eventNames(), QStringList({u"OnWavePlayStart"_s, u"OnWavePlayDone"_s}));

    const qsizetype start = indexInTrace(describe("OnWavePlayStart", file));
    const qsizetype closed = indexInTrace(u"waveOutClose"_s);
    const qsizetype done = indexInTrace(describe("OnWavePlayDone", file));
    const QStringList writes = traced(u"waveOutWrite"_s);
    EXPECT_LT(indexInTrace(u"waveOutOpen 0"_s), start);
    if (!writes.isEmpty()) {
        EXPECT_LT(start, indexInTrace(writes.first()));
    }
    ASSERT_GT(closed, start);
    if (!writes.isEmpty()) {
        EXPECT_GT(closed, m_trace.lastIndexOf(writes.last()));
    }
    ASSERT_GT(done, closed);
    EXPECT_FALSE(m_trace.mid(closed, done - closed).contains(u"tick"_s))
        << qPrintable(m_trace.join(u"\n"_s));

    EXPECT_FALSE(output()->isOpen());
    EXPECT_FALSE(playTimer()->isActive());
    EXPECT_FALSE(priv().playback.outputActive());
}

INSTANTIATE_TEST_SUITE_P(Lengths, WaveStreaming,
                         ::testing::Values(StreamCase{"OneSecond", 16000, {4800, 4800, 4800, 1600}},
                                           StreamCase{"TwoWholeBlocks", 9600, {4800, 4800}},
                                           StreamCase{"ShorterThanOneBlock", 1000, {1000}},
                                           StreamCase{"EmptyData", 0, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Files that play --------------------------------------------------------------------

struct ShapeCase {
    const char* name;
    QByteArray (*build)(const QByteArray& samples);
};

void PrintTo(const ShapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveFileShapes : public WaveFixture, public ::testing::WithParamInterface<ShapeCase> {};

// Whatever the layout around them, the device gets the 8 kHz 16-bit mono
// format of the "fmt " chunk and exactly the contents of "data". A "fmt "
// chunk longer than the 50 bytes the control reads is read up to 50 bytes
// (anything beyond would be a write past the area, which the sanitizer
// build reports).
TEST_P(WaveFileShapes, PlayTheirData)
{
    connectCall();
    const QByteArray samples = ramp16(1000);
    const QString file = filePath(u"shape.wav"_s);
    ASSERT_TRUE(writeFile(file, GetParam().build(samples)));

    m_control->WavePlayStart(file);
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));

    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(count(u"OnWavePlayStart"_s), 1);
    EXPECT_EQ(output()->played(), samples);
    EXPECT_EQ(describeFormat(output()->format()), u"PCM 8000 Hz 16 bit 1 ch"_s);
}

QByteArray fmtWithExtra(int extraBytes)
{
    return pcmFmt(8000, 16, 1) + u16(quint16(extraBytes)) + QByteArray(extraBytes, '\xAB');
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WaveFileShapes,
    ::testing::Values(
        ShapeCase{"Fmt16Bytes",
                  [](const QByteArray& s) {
                      return riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1)), chunk("data", s)});
                  }},
        ShapeCase{"Fmt18Bytes",
                  [](const QByteArray& s) {
                      return riff("WAVE", {chunk("fmt ", fmtWithExtra(0)), chunk("data", s)});
                  }},
        ShapeCase{"Fmt40Bytes",
                  [](const QByteArray& s) {
                      return riff("WAVE", {chunk("fmt ", fmtWithExtra(22)), chunk("data", s)});
                  }},
        ShapeCase{"FmtLongerThan50Bytes",
                  [](const QByteArray& s) {
                      return riff("WAVE", {chunk("fmt ", fmtWithExtra(300)), chunk("data", s)});
                  }},
        ShapeCase{"DataBeforeFmt",
                  [](const QByteArray& s) {
                      return riff("WAVE", {chunk("data", s), chunk("fmt ", pcmFmt(8000, 16, 1))});
                  }},
        ShapeCase{"OtherChunksBetween",
                  [](const QByteArray& s) {
                      return riff("WAVE", {chunk("junk", QByteArray(7, 'j')),
                                           chunk("fmt ", pcmFmt(8000, 16, 1)),
                                           chunk("LIST", QByteArray("INFOISFT") + u32(0)),
                                           chunk("data", s), chunk("cue ", QByteArray(4, 'c'))});
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Files that are refused ---------------------------------------------------------

struct BrokenCase {
    const char* name;
    // The file's bytes; null: the name given is "missing.wav", never written.
    QByteArray (*build)();
    const char* firstMessage; // before ERROR_LOAD_WAVEFILE; null for none
};

void PrintTo(const BrokenCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveBrokenFiles : public WaveFixture, public ::testing::WithParamInterface<BrokenCase> {};

// A file that is missing or not a usable RIFF/WAVE file is reported with the
// RIFF file error from "OpenWaveFile", then ERROR_LOAD_WAVEFILE; nothing is
// opened and nothing is read beyond what the file holds.
TEST_P(WaveBrokenFiles, AreReportedAndNothingStarts)
{
    const BrokenCase& c = GetParam();
    connectCall();
    QString file = filePath(u"missing.wav"_s);
    if (c.build) {
        ASSERT_TRUE(writeFile(file = filePath(u"broken.wav"_s), c.build()));
    }
    if (QByteArray(c.name) == "EmptyName")
        file.clear();
    if (QByteArray(c.name) == "Folder")
        file = m_files.path();

    m_control->WavePlayStart(file);

    QStringList expected;
    if (c.firstMessage)
        expected << QString::fromLatin1(c.firstMessage);
    expected << u"ERROR_LOAD_WAVEFILE|LoadWaveFile|1009"_s;
    EXPECT_EQ(messages(), expected);
    EXPECT_EQ(count(u"OnWavePlayStart"_s), 0);
    EXPECT_EQ(output()->openCount(), 0);
    EXPECT_FALSE(playTimer()->isActive()) << "no OnWavePlayDone may follow";
}

QByteArray oneSecondFile()
{
    return riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1)), chunk("data", ramp16(16000))});
}

INSTANTIATE_TEST_SUITE_P(
    Files, WaveBrokenFiles,
    ::testing::Values(
        BrokenCase{"Missing", nullptr, "MMIOERR_FILENOTFOUND|OpenWaveFile|257"},
        BrokenCase{"EmptyName", nullptr, nullptr},
        BrokenCase{"Folder", nullptr, "MMIOERR_CANNOTOPEN|OpenWaveFile|259"},
        BrokenCase{"EmptyFile", [] { return QByteArray(); },
                   "MMIOERR_CHUNKNOTFOUND|OpenWaveFile|265"},
        BrokenCase{"NotRiff", [] { return QByteArray("just some text, not a wave file\n"); },
                   "MMIOERR_CHUNKNOTFOUND|OpenWaveFile|265"},
        BrokenCase{"OtherForm", [] { return riff("AVI ", {chunk("fmt ", pcmFmt(8000, 16, 1))}); },
                   "MMIOERR_CHUNKNOTFOUND|OpenWaveFile|265"},
        BrokenCase{"NoFmt", [] { return riff("WAVE", {chunk("data", ramp16(100))}); },
                   "MMIOERR_CHUNKNOTFOUND|OpenWaveFile|265"},
        BrokenCase{"NoData", [] { return riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1))}); },
                   "MMIOERR_CHUNKNOTFOUND|OpenWaveFile|265"},
        BrokenCase{"CutOff", [] { return oneSecondFile().left(2000); },
                   "MMIOERR_CANNOTREAD|OpenWaveFile|261"},
        BrokenCase{"DataClaimsMoreThanThereIs",
                   [] {
                       return riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1)),
                                            chunk("data", ramp16(100), 16000)});
                   },
                   "MMIOERR_CANNOTREAD|OpenWaveFile|261"},
        BrokenCase{"FmtClaimsMoreThanThereIs",
                   [] { return riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1), 5000)}); },
                   "MMIOERR_CANNOTREAD|OpenWaveFile|261"},
        BrokenCase{"FmtTooShortForAFormat",
                   [] {
                       return riff("WAVE", {chunk("fmt ", u16(1) + u16(1)), chunk("data", "ab")});
                   },
                   "MMIOERR_CANNOTREAD|OpenWaveFile|261"},
        BrokenCase{"FmtWithoutBlockAlign",
                   [] {
                       return riff("WAVE", {chunk("fmt ", u16(1) + u16(1) + u32(8000) + u32(16000) +
                                                              u16(0) + u16(16)),
                                            chunk("data", ramp16(100))});
                   },
                   "MMIOERR_CANNOTREAD|OpenWaveFile|261"},
        BrokenCase{"FmtWithAbsurdRate",
                   [] {
                       return riff("WAVE",
                                   {chunk("fmt ", u16(1) + u16(0xFFFF) + u32(0xFFFFFFFF) +
                                                      u32(0xFFFFFFFF) + u16(0xFFFF) + u16(16)),
                                    chunk("data", ramp16(100))});
                   },
                   "MMIOERR_CANNOTREAD|OpenWaveFile|261"}),
    [](const auto& info) { return std::string(info.param.name); });

// A format the device does not take, or a device another program holds:
// the device's error from "WaveOutOpen", no OnWavePlayStart, and the timer's
// next tick still ends the playback with OnWavePlayDone, after which a file
// the device takes plays.
TEST_F(WaveFixture, DeviceThatCannotOpenReportsAndTheTimerEndsThePlayback)
{
    connectCall();
    const QString cd = filePath(u"cd.wav"_s);
    ASSERT_TRUE(writeFile(
        cd, riff("WAVE", {chunk("fmt ", pcmFmt(44100, 16, 2)), chunk("data", ramp16(4000))})));
    const QString phone = writeWav(u"phone.wav"_s, ramp16(1000));

    m_control->WavePlayStart(cd);
    EXPECT_EQ(messages(), QStringList({u"WAVERR_BADFORMAT|WaveOutOpen|32"_s}));
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    EXPECT_EQ(eventNames(), QStringList({u"OnTapiMessage"_s, u"OnWavePlayDone"_s}));
    EXPECT_EQ(m_events.back().args, QVariantList({cd}));

    // Someone else has the device open.
    HWAVEOUT other{};
    const WAVEFORMATEX format = makePcmFormat(8000, 16, 1);
    QObject holder;
    ASSERT_EQ(m_sim->waveOutOpen(&other, 0, &format, &holder, 0, CALLBACK_WINDOW),
              MMSYSERR_NOERROR);
    m_events.clear();
    m_control->WavePlayStart(phone);
    EXPECT_EQ(messages(), QStringList({u"MMSYSERR_ALLOCATED|WaveOutOpen|4"_s}));
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    EXPECT_EQ(count(u"OnWavePlayStart"_s), 0);
    ASSERT_EQ(m_sim->waveOutClose(other), MMSYSERR_NOERROR);
    output()->clearPlayed();

    m_events.clear();
    m_control->WavePlayStart(phone);
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    EXPECT_EQ(eventNames(), QStringList({u"OnWavePlayStart"_s, u"OnWavePlayDone"_s}));
    EXPECT_EQ(output()->played(), ramp16(1000));
}

// --- WavePlayStop -----------------------------------------------------------------------

// Stopped and at once started with another file (before the timer's next
// tick): the second file plays whole, and no OnWavePlayDone is raised for
// the first.
TEST_F(WaveFixture, StopThenStartRaisesNoDoneForTheStoppedFile)
{
    connectCall();
    const QByteArray first = ramp16(16000, 1);
    const QByteArray second = ramp16(9600, 2);
    const QString a = writeWav(u"a.wav"_s, first);
    const QString b = writeWav(u"b.wav"_s, second);

    m_control->WavePlayStart(a);
    ASSERT_TRUE(waitUntil([&] { return output()->played().size() >= 1600; }));
    m_control->WavePlayStop();
    m_control->WavePlayStart(b);
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    testsupport::spin(std::chrono::milliseconds(120)); // two more ticks

    EXPECT_EQ(eventNames(),
              QStringList({u"OnWavePlayStart"_s, u"OnWavePlayStart"_s, u"OnWavePlayDone"_s}));
    EXPECT_EQ(m_events[1].args, QVariantList({b}));
    EXPECT_EQ(m_events[2].args, QVariantList({b}));
    EXPECT_EQ(messages(), QStringList());
    // What the device played: the start of the first file, then all of the second.
    const QByteArray played = output()->played();
    const qsizetype ofFirst = played.size() - second.size();
    ASSERT_GT(ofFirst, 0);
    EXPECT_LT(ofFirst, first.size());
    EXPECT_EQ(played.left(ofFirst), first.left(ofFirst));
    EXPECT_EQ(played.mid(ofFirst), second);
}

// Stopped without a new start: the device is let go of at once, and the
// timer's first tick after the stop raises OnWavePlayDone for the file.
TEST_F(WaveFixture, StopClosesTheDeviceAndTheNextTickRaisesDone)
{
    connectCall();
    const QByteArray samples = ramp16(16000);
    const QString a = writeWav(u"a.wav"_s, samples);
    m_control->WavePlayStart(a);
    ASSERT_TRUE(waitUntil([&] { return output()->played().size() >= 1600; }));

    m_trace << u"stop"_s;
    m_control->WavePlayStop();
    EXPECT_FALSE(output()->isOpen());
    EXPECT_FALSE(priv().playback.outputActive());
    const QByteArray played = output()->played();

    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    const qsizetype stop = indexInTrace(u"stop"_s);
    const qsizetype done = indexInTrace(describe("OnWavePlayDone", a));
    ASSERT_GT(done, stop);
    EXPECT_FALSE(m_trace.mid(stop, done - stop).contains(u"tick"_s))
        << qPrintable(m_trace.join(u"\n"_s));
    EXPECT_LT(played.size(), samples.size());
    EXPECT_EQ(played, samples.left(played.size()));
    EXPECT_EQ(output()->played(), played) << "nothing played after the stop";
    EXPECT_FALSE(playTimer()->isActive());

    // Stopping what is not playing does nothing.
    m_control->WavePlayStop();
    testsupport::spin(std::chrono::milliseconds(120));
    EXPECT_EQ(count(u"OnWavePlayDone"_s), 1);
}

} // namespace
} // namespace wavetest
