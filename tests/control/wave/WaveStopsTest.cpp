// What the line operations do to a playback and a recording that run: the
// line closed or shut down and the call gone idle stop the playback only;
// shutdownControl stops it without OnWavePlayDone; TapiLineDrop's stops end
// both; the control's destruction lets both go.
#include "RiffBytes.h"
#include "TestSupport.h"
#include "WaveFixture.h"

#include "platform/tapi/TapiConstants.h"
#include "platform/wave/SimWaveInDevice.h"
#include "platform/wave/SimWaveOutDevice.h"
#include "platform/wave/WavFile.h"
#include "platform/wave/WaveSource.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace platform::wave;
using testsupport::waitUntil;

namespace wavetest {
namespace {

constexpr int kLeadingSilence = 5 * 1600;

class WaveStops : public WaveFixture {
protected:
    // A connected call with a one-second file playing and a recording running.
    void startBoth()
    {
        m_call = connectCall();
        input()->setSource(WaveSource::tone(700, 0.3));
        m_samples = ramp16(16000);
        m_play = writeWav(u"play.wav"_s, m_samples);
        m_record = filePath(u"record.wav"_s);
        m_control->WaveRecStart(m_record);
        m_control->WavePlayStart(m_play);
        ASSERT_TRUE(waitForEvent(u"OnWavePlayStart"_s));
        ASSERT_TRUE(waitUntil([&] { return output()->played().size() >= 1600; }));
        ASSERT_EQ(eventNames(), QStringList({u"OnWaveRecStart"_s, u"OnWavePlayStart"_s}));
    }

    // The playback was cut short: the device played the file's beginning.
    void expectPlayedOnlyTheBeginning()
    {
        const QByteArray played = output()->played();
        EXPECT_LT(played.size(), m_samples.size());
        EXPECT_EQ(played, m_samples.left(played.size()));
    }

    void expectRecordingGoesOn()
    {
        EXPECT_EQ(count(u"OnWaveRecStop"_s), 0);
        const qsizetype heard = input()->captured().size();
        EXPECT_TRUE(waitUntil([&] { return input()->captured().size() >= heard + 3200; }))
            << "the input device no longer delivers";
    }

    // The recording file is finished and holds everything the device heard.
    void expectRecordingFinished()
    {
        WavFile wav;
        ASSERT_EQ(WavFile::read(m_record, &wav), MMSYSERR_NOERROR);
        EXPECT_EQ(wav.data.left(kLeadingSilence), QByteArray(kLeadingSilence, '\0'));
        expectAllCaptured(wav.data.mid(kLeadingSilence), input()->captured());
    }

    CallKey m_call = 0;
    QByteArray m_samples;
    QString m_play;
    QString m_record;
};

enum class LineStop { Close, Shutdown, CallIdle };

const char* nameOf(LineStop stop)
{
    switch (stop) {
    case LineStop::Close:
        return "TapiLineClose";
    case LineStop::Shutdown:
        return "TapiLineShutdown";
    case LineStop::CallIdle:
        return "CallIdle";
    }
    return "";
}

void PrintTo(LineStop stop, std::ostream* os)
{
    *os << nameOf(stop);
}

class WaveLineStops : public WaveStops, public ::testing::WithParamInterface<LineStop> {};

// Closing or shutting down the line and the call going idle stop the
// playback: the device is let go of and OnWavePlayDone follows from the
// timer. The recording is not theirs to stop: it goes on until WaveRecStop.
TEST_P(WaveLineStops, StopThePlaybackButNotTheRecording)
{
    startBoth();
    switch (GetParam()) {
    case LineStop::Close:
        m_control->TapiLineClose();
        EXPECT_FALSE(output()->isOpen());
        break;
    case LineStop::Shutdown:
        m_control->TapiLineShutdown();
        EXPECT_FALSE(output()->isOpen());
        break;
    case LineStop::CallIdle:
        ASSERT_TRUE(m_exchange->farEndHangsUp(m_call, platform::tapi::LINEDISCONNECTMODE_NORMAL));
        ASSERT_TRUE(waitUntil([&] { return !output()->isOpen(); }));
        break;
    }
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    EXPECT_EQ(m_events.back().args, QVariantList({m_play}));
    if (GetParam() == LineStop::CallIdle) {
        const QStringList idle = traced(u"OnCallState(\"IDLE\""_s);
        ASSERT_EQ(idle.size(), 1) << qPrintable(m_trace.join(u"\n"_s));
        EXPECT_LT(indexInTrace(idle.first()), indexInTrace(traced(u"OnWavePlayDone"_s).value(0)));
    }
    expectPlayedOnlyTheBeginning();

    expectRecordingGoesOn();
    m_control->WaveRecStop();
    EXPECT_EQ(count(u"OnWaveRecStop"_s), 1);
    expectRecordingFinished();
}

INSTANTIATE_TEST_SUITE_P(Operations, WaveLineStops,
                         ::testing::Values(LineStop::Close, LineStop::Shutdown, LineStop::CallIdle),
                         [](const auto& info) { return std::string(nameOf(info.param)); });

// shutdownControl, the host's last call, stops the playback and releases
// the timer: no OnWavePlayDone comes any more. The recording goes on.
TEST_F(WaveStops, ShutdownControlStopsThePlaybackWithoutDone)
{
    startBoth();
    m_control->shutdownControl();
    EXPECT_FALSE(output()->isOpen());
    EXPECT_FALSE(playTimer()->isActive());
    expectPlayedOnlyTheBeginning();
    expectRecordingGoesOn();
    EXPECT_EQ(count(u"OnWavePlayDone"_s), 0);

    m_control->WaveRecStop();
    EXPECT_EQ(count(u"OnWaveRecStop"_s), 1);
    expectRecordingFinished();
}

// TapiLineDrop stops the playback and the recording before it drops the
// call. The file is finished at once, but the recording stays active (no
// event; a new start is refused while the call is still connected) until
// WaveRecStop raises OnWaveRecStop; only then can another one start.
TEST_F(WaveStops, DropEndsThePlaybackAndFinishesTheRecording)
{
    startBoth();
    m_control->TapiLineDrop();
    EXPECT_FALSE(output()->isOpen());
    EXPECT_FALSE(input()->isOpen());
    expectRecordingFinished();
    const QByteArray finished = riffbytes::readFile(m_record);
    const QString next = filePath(u"next.wav"_s);
    ASSERT_EQ(TapiState::process().callStateText, u"CONNECTED"_s) << "the drop is not done yet";
    m_control->WaveRecStart(next);
    EXPECT_TRUE(messages().contains(u"WAVEREC_ALREADY_ACTIV|WaveRecStart|1017"_s))
        << qPrintable(messages().join(u", "_s));
    EXPECT_TRUE(priv().recording.deviceOpen()) << "counts as open from the first recording on";

    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    EXPECT_TRUE(
        testsupport::waitUntil([] { return TapiState::process().callStateText == u"IDLE"_s; }));
    expectPlayedOnlyTheBeginning();
    EXPECT_EQ(count(u"OnWaveRecStop"_s), 0);
    priv().recording.StopWaveIn(); // a second stop changes nothing
    EXPECT_EQ(riffbytes::readFile(m_record), finished);

    EXPECT_FALSE(m_control->WaveRecStop().isValid());
    ASSERT_EQ(count(u"OnWaveRecStop"_s), 1);
    EXPECT_EQ(m_events.back().args, QVariantList({m_record}));
    EXPECT_EQ(riffbytes::readFile(m_record), finished);

    answerNewCall();
    m_control->WaveRecStart(next);
    EXPECT_EQ(eventNames(), QStringList({u"OnWaveRecStart"_s}));
    m_control->WaveRecStop();
}

// A control destroyed while it plays and records lets both go: the devices
// are closed and the recording file finished, so that the next control in
// the process can play and record on the same devices.
TEST_F(WaveStops, DestructionLetsGoOfDevicesAndFile)
{
    startBoth();
    destroyControl();
    EXPECT_FALSE(output()->isOpen());
    EXPECT_FALSE(input()->isOpen());
    expectRecordingFinished();

    makeControl();
    connectCall();
    output()->clearPlayed();
    const QString again = filePath(u"again.wav"_s);
    m_control->WaveRecStart(again);
    m_control->WavePlayStart(m_play);
    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s)) << qPrintable(messages().join(u", "_s));
    EXPECT_EQ(messages(), QStringList());
    EXPECT_EQ(output()->played(), m_samples);
    m_control->WaveRecStop();
    EXPECT_EQ(eventNames(), QStringList({u"OnWaveRecStart"_s, u"OnWavePlayStart"_s,
                                         u"OnWavePlayDone"_s, u"OnWaveRecStop"_s}));
}

} // namespace
} // namespace wavetest
