// Playback and recording that do not start: no connected call, no wave device
// for the line, one already running.
#include "RiffBytes.h"
#include "TestSupport.h"
#include "WaveFixture.h"

#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/wave/SimWaveInDevice.h"
#include "platform/wave/SimWaveOutDevice.h"
#include "platform/wave/WavFile.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace platform::wave;

namespace wavetest {
namespace {

enum class CallSituation { LineNotOpen, NoCall, Offered, Disconnected };

struct NotConnectedCase {
    const char* name;
    CallSituation situation;
    const char* callState;
};

void PrintTo(const NotConnectedCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveNotConnected : public WaveFixture,
                         public ::testing::WithParamInterface<NotConnectedCase> {};

// Only a connected call can be played into or recorded: in any other call
// state both report WAVEONLY_ON_CONNECTED, and nothing is opened or created.
TEST_P(WaveNotConnected, RefuseToStart)
{
    const NotConnectedCase& c = GetParam();
    const QString play = writeWav(u"play.wav"_s, ramp16(1000));
    const QString record = filePath(u"record.wav"_s);
    if (c.situation == CallSituation::Disconnected) {
        const CallKey id = connectCall();
        ASSERT_TRUE(m_exchange->farEndHangsUp(id, LINEDISCONNECTMODE_NORMAL, false));
        ASSERT_TRUE(waitForEvent(u"OnDisconnected"_s));
    } else if (c.situation != CallSituation::LineNotOpen) {
        m_control->TapiLineInit();
        m_control->TapiLineOpen();
    }
    if (c.situation == CallSituation::Offered) {
        ASSERT_NE(m_exchange->offerCall(0, {u"0301234567"_s}), 0u);
        ASSERT_TRUE(waitForEvent(u"OnOffering"_s));
    }
    ASSERT_EQ(TapiState::process().callStateText, QString::fromLatin1(c.callState));
    m_events.clear();
    m_trace.clear();

    m_control->WavePlayStart(play);
    m_control->WaveRecStart(record);

    EXPECT_EQ(messages(), QStringList({u"WAVEONLY_ON_CONNECTED|WavePlay|1011"_s,
                                       u"WAVEONLY_ON_CONNECTED|Waverec|1011"_s}));
    EXPECT_EQ(eventNames().size(), 2);
    EXPECT_TRUE(m_trace.filter(u"Open"_s).isEmpty()) << qPrintable(m_trace.join(u", "_s));
    EXPECT_FALSE(QFileInfo::exists(record));
    EXPECT_FALSE(playTimer()->isActive());
}

INSTANTIATE_TEST_SUITE_P(
    States, WaveNotConnected,
    ::testing::Values(NotConnectedCase{"LineNotOpen", CallSituation::LineNotOpen, ""},
                      NotConnectedCase{"NoCall", CallSituation::NoCall, "IDLE"},
                      NotConnectedCase{"Offered", CallSituation::Offered, "OFFERING"},
                      NotConnectedCase{"Disconnected", CallSituation::Disconnected,
                                       "DISCONNECTED"}),
    [](const auto& info) { return std::string(info.param.name); });

// A line without wave devices: neither the line nor the call names one, and
// the telephony error is reported from "getWaveID" for both.
TEST_F(WaveFixture, LineWithoutWaveDevicesReportsTheTelephonyError)
{
    connectCall(1);
    const QString record = filePath(u"record.wav"_s);
    m_control->WavePlayStart(writeWav(u"play.wav"_s, ramp16(1000)));
    m_control->WaveRecStart(record);

    const QString error =
        u"LINEERR_INVALDEVICECLASS|getWaveID|%1"_s.arg(platform::tapi::LINEERR_INVALDEVICECLASS);
    EXPECT_EQ(messages(), QStringList({error, error}));
    EXPECT_TRUE(m_trace.filter(u"Open"_s).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(record));
}

// A second start while one runs is refused, and the running playback and
// recording go on undisturbed: the file plays whole, the recording gets
// every sample.
TEST_F(WaveFixture, SecondStartIsRefusedAndTheRunningOneGoesOn)
{
    connectCall();
    const QByteArray samples = ramp16(9600);
    const QString play = writeWav(u"play.wav"_s, samples);
    const QString record = filePath(u"record.wav"_s);
    const QString other = filePath(u"other.wav"_s);
    m_control->WavePlayStart(play);
    m_control->WaveRecStart(record);
    ASSERT_TRUE(waitForEvent(u"OnWavePlayStart"_s));

    m_control->WavePlayStart(writeWav(u"second.wav"_s, ramp16(1000, 9)));
    m_control->WaveRecStart(other);
    EXPECT_EQ(messages(), QStringList({u"WAVEPLAY_ALREADY_ACTIV|WavePlayStart|1008"_s,
                                       u"WAVEREC_ALREADY_ACTIV|WaveRecStart|1017"_s}));
    EXPECT_FALSE(QFileInfo::exists(other));

    ASSERT_TRUE(waitForEvent(u"OnWavePlayDone"_s));
    EXPECT_EQ(output()->played(), samples);
    EXPECT_EQ(m_events.back().args, QVariantList({play}));
    m_control->WaveRecStop();
    WavFile wav;
    ASSERT_EQ(WavFile::read(record, &wav), MMSYSERR_NOERROR);
    expectAllCaptured(wav.data.mid(5 * 1600), input()->captured());
    EXPECT_EQ(count(u"OnWaveRecStart"_s), 1);
    EXPECT_EQ(count(u"OnWavePlayStart"_s), 1);
}

} // namespace
} // namespace wavetest
