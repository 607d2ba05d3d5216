#include "control/line/TapiMessages.h"

#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/TapiNames.h"

#include <QHash>

using namespace Qt::StringLiterals;
using platform::tapi::LONG;

namespace {

const QString kUnknown = u"Unknown TAPI Error!"_s;

// The control's own codes and the multimedia, wave and RIFF file codes.
const QHash<LONG, QString>& ownNames()
{
    static const QHash<LONG, QString> names = {
        {1001, u"SUCCESS"_s},
        {1003, u"READONLY"_s},
        {1004, u"NO_CHANGEDRIVER_LINE_ISOPEN"_s},
        {1005, u"PHONE_DETECTED"_s},
        {1006, u"NO_DEVICE_OPENED"_s},
        {1007, u"NO_WAVE_DEVICE_AV"_s},
        {1008, u"WAVEPLAY_ALREADY_ACTIV"_s},
        {1009, u"ERROR_LOAD_WAVEFILE"_s},
        {1010, u"DRIVER_ALREADY_OPENED "_s}, // with its blank, as hosts compare it
        {1011, u"WAVEONLY_ON_CONNECTED"_s},
        {1012, u"ERROR_WRITE_LOGFILE"_s},
        {1013, u"LINE_CLOSED_FROM_TSP"_s},
        {1014, u"DEVICEID_OUTOFRANGE"_s},
        {1015, u"TAPI_ALREADY_INITIALIZED"_s},
        {1016, u"ERROR_CREATE_WAVEFILE"_s},
        {1017, u"WAVEREC_ALREADY_ACTIV"_s},
        {0, u"TAPIERR_CONNECTED"_s},
        // The request-queue-full code has always been reported with the name of -2.
        {-3, u"TAPIERR_NOREQUESTRECIPIENT"_s},
        {1, u"MMSYSERR_ERROR"_s},
        {2, u"MMSYSERR_BADDEVICEID"_s},
        {3, u"MMSYSERR_NOTENABLED"_s},
        {4, u"MMSYSERR_ALLOCATED"_s},
        {6, u"MMSYSERR_NODRIVER"_s},
        {7, u"MMSYSERR_NOMEM"_s},
        {8, u"MMSYSERR_NOTSUPPORTED"_s},
        {9, u"MMSYSERR_BADERRNUM"_s},
        {10, u"MMSYSERR_INVALFLAG"_s},
        {11, u"MMSYSERR_INVALPARAM"_s},
        {12, u"MMSYSERR_HANDLEBUSY"_s},
        {13, u"MMSYSERR_INVALIDALIAS"_s},
        {32, u"WAVERR_BADFORMAT"_s},
        {33, u"WAVERR_STILLPLAYING"_s},
        {34, u"WAVERR_UNPREPARED"_s},
        {35, u"WAVERR_LASTERROR"_s},
        {257, u"MMIOERR_FILENOTFOUND"_s},
        {258, u"MMIOERR_OUTOFMEMORY"_s},
        {259, u"MMIOERR_CANNOTOPEN"_s},
        {260, u"MMIOERR_CANNOTCLOSE"_s},
        {261, u"MMIOERR_CANNOTREAD"_s},
        {262, u"MMIOERR_CANNOTWRITE"_s},
        {263, u"MMIOERR_CANNOTSEEK"_s},
        {264, u"MMIOERR_CANNOTEXPAND"_s},
        {265, u"MMIOERR_CHUNKNOTFOUND"_s},
        {266, u"MMIOERR_UNBUFFERED"_s},
    };
    return names;
}

// The ranges of published telephony error names the control knows; newer
// names the service may know stay unknown to the control's hosts.
bool inKnownTelephonyRange(LONG code)
{
    return (code >= platform::tapi::LINEERR_ALLOCATED &&
            code <= platform::tapi::LINEERR_DIALVOICEDETECT) ||
           (code >= platform::tapi::PHONEERR_ALLOCATED &&
            code <= platform::tapi::PHONEERR_REINIT) ||
           (code >= platform::tapi::TAPIERR_NOTADMIN && code <= platform::tapi::TAPIERR_DROPPED);
}

} // namespace

QString tapiMessageName(LONG code)
{
    if (const auto it = ownNames().constFind(code); it != ownNames().cend())
        return it.value();
    if (inKnownTelephonyRange(code)) {
        const QString name = platform::tapi::errorName(code);
        if (!name.isEmpty())
            return name;
    }
    return kUnknown;
}
