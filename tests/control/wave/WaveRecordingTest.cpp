// Recording a connected call into a wave file: the file written, the starts
// that fail and what they leave, and WaveRecStop.
#include "RiffBytes.h"
#include "TestSupport.h"
#include "WaveFixture.h"

#include "platform/wave/SimWaveInDevice.h"
#include "platform/wave/WavFile.h"
#include "platform/wave/WaveSource.h"

#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace platform::wave;
using testsupport::waitUntil;

namespace wavetest {
namespace {

// Size of everything before the samples: "RIFF" form, "fmt " of 18 bytes,
// the "data" header.
constexpr int kHeaderBytes = 12 + 8 + 18 + 8;
constexpr int kLeadingSilence = 5 * 1600;

// Checks that the file is a finished recording and returns its samples.
QByteArray recordedSamples(const QString& path)
{
    const QByteArray bytes = riffbytes::readFile(path);
    EXPECT_GE(bytes.size(), kHeaderBytes) << qPrintable(path);
    if (bytes.size() < kHeaderBytes)
        return {};
    const auto u32At = [&](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(u32At(4), quint32(bytes.size() - 8)) << "RIFF size";
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u32At(16), 18u);
    EXPECT_EQ(bytes.mid(20, 18).toHex(' '),
              "01 00 01 00 40 1f 00 00 80 3e 00 00 02 00 10 00 12 00");
    EXPECT_EQ(bytes.mid(38, 4), "data");
    EXPECT_EQ(u32At(42), quint32(bytes.size() - kHeaderBytes)) << "data size";
    // The platform's reader agrees.
    WavFile wav;
    EXPECT_EQ(WavFile::read(path, &wav), MMSYSERR_NOERROR);
    EXPECT_EQ(wav.data, bytes.mid(kHeaderBytes));
    return bytes.mid(kHeaderBytes);
}

// About three seconds of a call are recorded whole: half a second of silence
// that every recording begins with, then every sample the device heard, in
// order, in a file whose sizes are filled in.
TEST_F(WaveFixture, RecordingOfThreeSecondsHoldsEverySampleInOrder)
{
    connectCall();
    const QByteArray heard = ramp16(16000 * 5, 3);
    input()->setSource(WaveSource::samples(makePcmFormat(8000, 16, 1), heard));
    const QString file = filePath(u"call.wav"_s);

    m_control->WaveRecStart(file);
    ASSERT_EQ(eventNames(), QStringList({u"OnWaveRecStart"_s})) << qPrintable(messages().join(','));
    EXPECT_EQ(m_events[0].args, QVariantList({file}));
    ASSERT_TRUE(waitUntil([&] { return input()->captured().size() >= 3 * 16000; },
                          std::chrono::seconds(10)));
    EXPECT_FALSE(m_control->WaveRecStop().isValid());

    EXPECT_EQ(eventNames(), QStringList({u"OnWaveRecStart"_s, u"OnWaveRecStop"_s}));
    EXPECT_EQ(m_events[1].args, QVariantList({file}));
    EXPECT_FALSE(input()->isOpen());
    const QByteArray samples = recordedSamples(file);
    ASSERT_GE(samples.size(), kLeadingSilence + 3 * 16000);
    EXPECT_EQ(samples.left(kLeadingSilence), QByteArray(kLeadingSilence, '\0'));
    const QByteArray afterSilence = samples.mid(kLeadingSilence);
    expectAllCaptured(afterSilence, input()->captured());
    EXPECT_EQ(afterSilence, heard.left(afterSilence.size())) << "in the order it was heard";

    // A second recording into the same name starts afresh.
    m_control->WaveRecStart(file);
    ASSERT_EQ(count(u"OnWaveRecStart"_s), 2);
    m_control->WaveRecStop();
    EXPECT_LT(recordedSamples(file).size(), samples.size());
}

// A buffer the device does not take back is reported, its samples are still
// written, and the recording goes on with the other four.
TEST_F(WaveFixture, BufferThatCannotBeQueuedAgainIsReportedAndNothingIsLost)
{
    connectCall();
    input()->setSource(WaveSource::tone(440, 0.4));
    const QString file = filePath(u"call.wav"_s);
    // Five buffers go in at the start; the seventh add is the second re-queue.
    m_devices->failCall(u"waveInAddBuffer"_s, MMSYSERR_NOMEM, 6);

    m_control->WaveRecStart(file);
    ASSERT_TRUE(waitUntil([&] { return input()->captured().size() >= 16000; }));
    // A second of sound came through after the failure: the other buffers rotated on.
    EXPECT_EQ(messages(), QStringList({u"MMSYSERR_NOMEM|addWaveInBuffer|7"_s}));
    m_control->WaveRecStop();

    expectAllCaptured(recordedSamples(file).mid(kLeadingSilence), input()->captured());
}

struct StartFailure {
    const char* name;
    const char* call; // the device call that fails; null: the device is busy
    int passing;      // calls of that name that go through first
    const char* message;
    int silenceWritten; // zero bytes in the file before the failure
};

void PrintTo(const StartFailure& c, std::ostream* os)
{
    *os << c.name;
}

class WaveRecStartFailures : public WaveFixture,
                             public ::testing::WithParamInterface<StartFailure> {};

// A device that cannot open, prepare, take or start the buffers: the error
// from its step, no OnWaveRecStart, the device closed, the file finished
// with what was written so far, and the next WaveRecStart records (a failed
// start leaves nothing behind that would block it).
TEST_P(WaveRecStartFailures, LeaveAClosedFileAndAllowTheNextStart)
{
    const StartFailure& c = GetParam();
    connectCall();
    const QString file = filePath(u"failed.wav"_s);
    HWAVEIN other{};
    const WAVEFORMATEX format = makePcmFormat(8000, 16, 1);
    QObject holder;
    if (c.call) {
        m_devices->failCall(QString::fromLatin1(c.call), MMSYSERR_NOMEM, c.passing);
    } else {
        ASSERT_EQ(m_sim->waveInOpen(&other, 0, &format, &holder, 0, CALLBACK_WINDOW),
                  MMSYSERR_NOERROR);
    }

    m_control->WaveRecStart(file);

    EXPECT_EQ(messages(), QStringList({QString::fromLatin1(c.message)}));
    EXPECT_EQ(count(u"OnWaveRecStart"_s), 0);
    if (c.call) {
        EXPECT_FALSE(input()->isOpen());
    }
    EXPECT_EQ(recordedSamples(file), QByteArray(c.silenceWritten, '\0'));
    EXPECT_EQ(m_control->WaveRecStop(), QVariant());
    EXPECT_EQ(count(u"OnWaveRecStop"_s), 0) << "no recording was active";

    if (!c.call) {
        ASSERT_EQ(m_sim->waveInClose(other), MMSYSERR_NOERROR);
    }
    m_events.clear();
    m_control->WaveRecStart(file);
    EXPECT_EQ(eventNames(), QStringList({u"OnWaveRecStart"_s}))
        << qPrintable(messages().join(u", "_s));
    m_control->WaveRecStop();
    EXPECT_EQ(count(u"OnWaveRecStop"_s), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, WaveRecStartFailures,
                         ::testing::Values(StartFailure{"DeviceBusy", nullptr, 0,
                                                        "MMSYSERR_ALLOCATED|WaveInOpen|4", 0},
                                           StartFailure{"Prepare", "waveInPrepareHeader", 2,
                                                        "MMSYSERR_NOMEM|waveInPrepareHeader|7", 0},
                                           StartFailure{"AddBuffer", "waveInAddBuffer", 2,
                                                        "MMSYSERR_NOMEM|addData|7", 3 * 1600},
                                           StartFailure{"Start", "waveInStart", 0,
                                                        "MMSYSERR_NOMEM|WaveInStart|7", 5 * 1600}),
                         [](const auto& info) { return std::string(info.param.name); });

// A file that cannot be created (its folder does not exist) is reported from
// "CreateWaveFile"; no file is left and no device opened.
TEST_F(WaveFixture, FileInAMissingFolderIsReportedAndLeavesNoFile)
{
    connectCall();
    const QString file = filePath(u"no/such/folder/call.wav"_s);
    m_control->WaveRecStart(file);
    EXPECT_EQ(messages(), QStringList({u"MMIOERR_CANNOTOPEN|CreateWaveFile|259"_s}));
    EXPECT_EQ(count(u"OnWaveRecStart"_s), 0);
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_FALSE(QFileInfo::exists(filePath(u"no"_s)));
    EXPECT_EQ(input()->openCount(), 0);
}

// WaveRecStop without a recording raises nothing and returns an empty variant.
TEST_F(WaveFixture, RecStopWithoutARecordingDoesNothing)
{
    connectCall();
    const QVariant result = m_control->WaveRecStop();
    EXPECT_FALSE(result.isValid());
    EXPECT_TRUE(m_events.empty());
    EXPECT_TRUE(m_trace.isEmpty()) << qPrintable(m_trace.join(u", "_s));
}

} // namespace
} // namespace wavetest
