// The message names OnTapiMessage carries, raised through the control's own
// message routine.
#include "ControlFixture.h"

#include "control/line/TapiMessages.h"
#include "platform/tapi/TapiErrors.h"

#include <QSignalSpy>

using namespace controltest;

namespace {

struct NameCase {
    LONG code;
    const char* name;
};

class MessageNames : public ControlFixture {};

} // namespace

TEST_F(MessageNames, EveryCodeGetsItsName)
{
    const NameCase cases[] = {
        {1001, "SUCCESS"},
        {1002, "Unknown TAPI Error!"},
        {1003, "READONLY"},
        {1004, "NO_CHANGEDRIVER_LINE_ISOPEN"},
        {1005, "PHONE_DETECTED"},
        {1006, "NO_DEVICE_OPENED"},
        {1007, "NO_WAVE_DEVICE_AV"},
        {1008, "WAVEPLAY_ALREADY_ACTIV"},
        {1009, "ERROR_LOAD_WAVEFILE"},
        {1010, "DRIVER_ALREADY_OPENED "}, // the blank belongs to the name
        {1011, "WAVEONLY_ON_CONNECTED"},
        {1012, "ERROR_WRITE_LOGFILE"},
        {1013, "LINE_CLOSED_FROM_TSP"},
        {1014, "DEVICEID_OUTOFRANGE"},
        {1015, "TAPI_ALREADY_INITIALIZED"},
        {1016, "ERROR_CREATE_WAVEFILE"},
        {1017, "WAVEREC_ALREADY_ACTIV"},
        {1018, "Unknown TAPI Error!"},
        {0, "TAPIERR_CONNECTED"},
        {-1, "TAPIERR_DROPPED"},
        {-2, "TAPIERR_NOREQUESTRECIPIENT"},
        {-3, "TAPIERR_NOREQUESTRECIPIENT"},
        {-4, "TAPIERR_INVALDESTADDRESS"},
        {-19, "TAPIERR_NOTADMIN"},
        {-20, "Unknown TAPI Error!"},
        {1, "MMSYSERR_ERROR"},
        {4, "MMSYSERR_ALLOCATED"},
        {6, "MMSYSERR_NODRIVER"},
        {13, "MMSYSERR_INVALIDALIAS"},
        {14, "Unknown TAPI Error!"},
        {31, "Unknown TAPI Error!"},
        {32, "WAVERR_BADFORMAT"},
        {33, "WAVERR_STILLPLAYING"},
        {34, "WAVERR_UNPREPARED"},
        {35, "WAVERR_LASTERROR"},
        {36, "Unknown TAPI Error!"},
        {256, "Unknown TAPI Error!"},
        {257, "MMIOERR_FILENOTFOUND"},
        {265, "MMIOERR_CHUNKNOTFOUND"},
        {266, "MMIOERR_UNBUFFERED"},
        {267, "Unknown TAPI Error!"},
        {tapiError(0x80000001), "LINEERR_ALLOCATED"},
        {tapiError(0x80000004), "Unknown TAPI Error!"},
        {tapiError(0x80000025), "LINEERR_INVALDIALPARAMS"},
        {tapiError(0x80000031), "Unknown TAPI Error!"},
        {tapiError(0x80000057), "LINEERR_INVALAGENTID"},
        {tapiError(0x8000005C), "LINEERR_DIALVOICEDETECT"},
        {tapiError(0x8000005D), "Unknown TAPI Error!"},
        {tapiError(0x90000001), "PHONEERR_ALLOCATED"},
        {tapiError(0x9000001E), "Unknown TAPI Error!"},
        {tapiError(0x90000021), "PHONEERR_STRUCTURETOOSMALL"},
        {tapiError(0x90000023), "PHONEERR_REINIT"},
        {tapiError(0x90000024), "Unknown TAPI Error!"},
    };
    QSignalSpy spy(m_control.get(), &Lintaro::OnTapiMessage);
    for (const NameCase& c : cases) {
        spy.clear();
        priv().RaiseTapiMessage(c.code, QStringLiteral("Test"));
        ASSERT_EQ(spy.count(), 1) << c.code;
        EXPECT_EQ(spy[0][0].toString(), QString::fromLatin1(c.name)) << c.code;
        EXPECT_EQ(spy[0][1].toString(), QStringLiteral("Test"));
        EXPECT_EQ(spy[0][2].toInt(), c.code);
    }
}

TEST_F(MessageNames, EveryLineAndPhoneErrorIsNamedAfterItsKind)
{
    int lineNames = 0;
    for (DWORD value = 0x80000001; value <= 0x8000005C; ++value) {
        const QString name = tapiMessageName(tapiError(value));
        if (name.startsWith(QStringLiteral("LINEERR_")))
            ++lineNames;
        else
            EXPECT_EQ(name, QStringLiteral("Unknown TAPI Error!")) << Qt::hex << value;
    }
    EXPECT_EQ(lineNames, 90); // every value but the two never assigned
    int phoneNames = 0;
    for (DWORD value = 0x90000001; value <= 0x90000023; ++value)
        phoneNames += tapiMessageName(tapiError(value)).startsWith(QStringLiteral("PHONEERR_"));
    EXPECT_EQ(phoneNames, 34);
}

TEST_F(MessageNames, InvalidHandleAndAnUnboundRelayRaiseNothing)
{
    QSignalSpy spy(m_control.get(), &Lintaro::OnTapiMessage);
    priv().RaiseTapiMessage(5, QStringLiteral("WaveOutOpen"));
    EXPECT_EQ(spy.count(), 0) << "code 5 is never reported";

    m_control->shutdownControl();
    priv().RaiseTapiMessage(1001, QStringLiteral("Test"));
    m_control->setDeviceCount(3);
    EXPECT_EQ(spy.count(), 0) << "after shutdownControl until the next TapiLineInit";

    m_control->TapiLineInit();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("SUCCESS"));
}
