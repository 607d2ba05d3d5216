#include "control/line/CapabilityTokens.h"

#include "platform/tapi/TapiConstants.h"

#include <initializer_list>

using namespace platform::tapi;

namespace {

struct Token {
    DWORD bit;
    const char* text;
};
using Table = std::initializer_list<Token>;

QString tokens(DWORD value, Table table)
{
    QString text;
    for (const Token& token : table) {
        if (value & token.bit)
            text += QLatin1StringView(token.text);
    }
    return text;
}

} // namespace

namespace CapabilityTokens {

QString addressModes(DWORD value)
{
    return tokens(value, {
                             {LINEADDRESSMODE_ADDRESSID, "<ADDRESSID>"},
                             {LINEADDRESSMODE_DIALABLEADDR, "<DIALABLEADDR>"},
                         });
}

QString bearerModes(DWORD value)
{
    return tokens(value, {
                             {LINEBEARERMODE_VOICE, "<VOICE>"},
                             {LINEBEARERMODE_SPEECH, "<SPEECH>"},
                             {LINEBEARERMODE_MULTIUSE, "<MULTIUSE>"},
                             {LINEBEARERMODE_DATA, "<DATA>"},
                             {LINEBEARERMODE_ALTSPEECHDATA, "<ALTSPEECHDATA>"},
                             {LINEBEARERMODE_NONCALLSIGNALING, "<NONCALLSIGNALING>"},
                             {LINEBEARERMODE_PASSTHROUGH, "<PASSTHROUGH>"},
                             {LINEBEARERMODE_RESTRICTEDDATA, "<RESTRICTEDDATA>"},
                         });
}

QString mediaModes(DWORD value)
{
    return tokens(value, {
                             {LINEMEDIAMODE_UNKNOWN, "<UNKNOWN>"},
                             {LINEMEDIAMODE_INTERACTIVEVOICE, "<INTERACTIVEVOICE>"},
                             {LINEMEDIAMODE_AUTOMATEDVOICE, "<AUTOMATEDVOICE>"},
                             {LINEMEDIAMODE_DATAMODEM, "<DATAMODEM>"},
                             {LINEMEDIAMODE_G3FAX, "<G3FAX>"},
                             {LINEMEDIAMODE_TDD, "<TDD>"},
                             {LINEMEDIAMODE_G4FAX, "<G4FAX>"},
                             {LINEMEDIAMODE_DIGITALDATA, "<DIGITALDATA>"},
                             {LINEMEDIAMODE_TELETEX, "<TELETEX>"},
                             {LINEMEDIAMODE_VIDEOTEX, "<VIDEOTEX>"},
                             {LINEMEDIAMODE_TELEX, "<TELEX>"},
                             {LINEMEDIAMODE_MIXED, "<MIXED>"},
                             {LINEMEDIAMODE_ADSI, "<ADSI>"},
                             {LINEMEDIAMODE_VOICEVIEW, "<VOICEVIEW>"},
                             {LINEMEDIAMODE_VIDEO, "<VIDEO>"},
                         });
}

QString callStates(DWORD value)
{
    return tokens(value, {
                             {LINECALLSTATE_IDLE, "<IDLE>"},
                             {LINECALLSTATE_OFFERING, "<OFFERING>"},
                             {LINECALLSTATE_ACCEPTED, "<ACCEPTED>"},
                             {LINECALLSTATE_DIALTONE, "<DIALTONE>"},
                             {LINECALLSTATE_DIALING, "<DIALING>"},
                             {LINECALLSTATE_RINGBACK, "<RINGBACK>"},
                             {LINECALLSTATE_BUSY, "<BUSY>"},
                             {LINECALLSTATE_SPECIALINFO, "<SPECIALINFO>"},
                             {LINECALLSTATE_CONNECTED, "<CONNECTED>"},
                             {LINECALLSTATE_PROCEEDING, "<PROCEEDING>"},
                             {LINECALLSTATE_ONHOLD, "<ONHOLD>"},
                             {LINECALLSTATE_CONFERENCED, "<CONFERENCED>"},
                             {LINECALLSTATE_ONHOLDPENDCONF, "<ONHOLDPENDCONF>"},
                             {LINECALLSTATE_ONHOLDPENDTRANSFER, "<ONHLODPENDTRANSFER>"},
                             {LINECALLSTATE_DISCONNECTED, "<DISCONNECTED>"},
                             {LINECALLSTATE_UNKNOWN, "<UNKNOWN>"},
                         });
}

QString callInfoStates(DWORD value)
{
    return tokens(value, {
                             {LINECALLINFOSTATE_OTHER, "<OTHER>"},
                             {LINECALLINFOSTATE_DEVSPECIFIC, "<DEVSPECIFIC>"},
                             {LINECALLINFOSTATE_BEARERMODE, ">BEARERMODE>"},
                             {LINECALLINFOSTATE_RATE, "<RATE>"},
                             {LINECALLINFOSTATE_MEDIAMODE, "<MEDIAMODE>"},
                             {LINECALLINFOSTATE_APPSPECIFIC, "<APPSPECIFIC>"},
                             {LINECALLINFOSTATE_CALLID, "<CALLID>"},
                             {LINECALLINFOSTATE_RELATEDCALLID, "<RELATEDCALLID>"},
                             {LINECALLINFOSTATE_ORIGIN, "<ORIGIN>"},
                             {LINECALLINFOSTATE_REASON, "<REASON>"},
                             {LINECALLINFOSTATE_COMPLETIONID, "<COMPLETIONID>"},
                             {LINECALLINFOSTATE_NUMOWNERINCR, "<NUMOWNERINCR>"},
                             {LINECALLINFOSTATE_NUMOWNERDECR, "<NUMOWNERDECR>"},
                             {LINECALLINFOSTATE_NUMMONITORS, "<NUMMONITORS>"},
                             {LINECALLINFOSTATE_TRUNK, "<TRUNK>"},
                             {LINECALLINFOSTATE_CALLERID, "<CALLERID>"},
                             {LINECALLINFOSTATE_CALLEDID, "<CALLEDID>"},
                             {LINECALLINFOSTATE_CONNECTEDID, "<CONNECTEDID>"},
                             {LINECALLINFOSTATE_REDIRECTIONID, "<REDIRECTIONID>"},
                             {LINECALLINFOSTATE_REDIRECTINGID, "<REDIRECTINGID>"},
                             {LINECALLINFOSTATE_DISPLAY, "<DISPLAY>"},
                             {LINECALLINFOSTATE_USERUSERINFO, "<USERUSERINFO>"},
                             {LINECALLINFOSTATE_HIGHLEVELCOMP, "<HIGHLEVELCOMP>"},
                             {LINECALLINFOSTATE_LOWLEVELCOMP, "<LOWLEVELCOMP>"},
                             {LINECALLINFOSTATE_CHARGINGINFO, "<CHARGINGINFO>"},
                             {LINECALLINFOSTATE_TERMINAL, "<TERMINAL>"},
                             {LINECALLINFOSTATE_DIALPARAMS, "<DIALPARAMS>"},
                             {LINECALLINFOSTATE_MONITORMODES, "<MONITORMODES>"},
                             {LINECALLINFOSTATE_CALLDATA, "<CALLDATA>"},
                             {LINECALLINFOSTATE_TREATMENT, "<TREATMENT>"},
                             {LINECALLINFOSTATE_QOS, "<QOS>"},
                         });
}

QString parkModes(DWORD value)
{
    return tokens(value, {
                             {LINEPARKMODE_DIRECTED, "<DIRECTED>"},
                             {LINEPARKMODE_NONDIRECTED, "<NONDIRECTED>"},
                         });
}

QString callFeatures(DWORD value)
{
    // SETQOS (0x40000000) has no token.
    return tokens(value, {
                             {LINECALLFEATURE_ACCEPT, "<ACCEPT>"},
                             {LINECALLFEATURE_ADDTOCONF, "<ADDTOCONF>"},
                             {LINECALLFEATURE_ANSWER, "<ANSWER>"},
                             {LINECALLFEATURE_BLINDTRANSFER, "<BLINDTRANSFER>"},
                             {LINECALLFEATURE_COMPLETECALL, "<COMPLETECALL>"},
                             {LINECALLFEATURE_COMPLETETRANSF, "<COMPLETETRANSF>"},
                             {LINECALLFEATURE_DIAL, "<DIAL>"},
                             {LINECALLFEATURE_DROP, "<DROP>"},
                             {LINECALLFEATURE_GATHERDIGITS, "<GATHERDIGITS>"},
                             {LINECALLFEATURE_GENERATEDIGITS, "<GENERATEDIGITS>"},
                             {LINECALLFEATURE_GENERATETONE, "<GENERATETONE>"},
                             {LINECALLFEATURE_HOLD, "<HOLD>"},
                             {LINECALLFEATURE_MONITORDIGITS, "<MONITORDIGITS>"},
                             {LINECALLFEATURE_MONITORMEDIA, "<MONITORMEDIA>"},
                             {LINECALLFEATURE_MONITORTONES, "<MONITORTONES>"},
                             {LINECALLFEATURE_PARK, "<PARK>"},
                             {LINECALLFEATURE_PREPAREADDCONF, "<PREPAREADDCONF>"},
                             {LINECALLFEATURE_REDIRECT, "<REDIRECT>"},
                             {LINECALLFEATURE_REMOVEFROMCONF, "<REMOVEFROMCONF>"},
                             {LINECALLFEATURE_SECURECALL, "<SECURECALL>"},
                             {LINECALLFEATURE_SENDUSERUSER, "<SENDUSERUSER>"},
                             {LINECALLFEATURE_SETCALLPARAMS, "<SETCALLPARAMS>"},
                             {LINECALLFEATURE_SETMEDIACONTROL, "<SETMEDIACONTROL>"},
                             {LINECALLFEATURE_SETTERMINAL, "<SETTERMINAL>"},
                             {LINECALLFEATURE_SETUPCONF, "<SETUPCONF>"},
                             {LINECALLFEATURE_SETUPTRANSFER, "<SETUPTRANSFER>"},
                             {LINECALLFEATURE_SWAPHOLD, "<SWAPHOLD>"},
                             {LINECALLFEATURE_UNHOLD, "<UNHOLD>"},
                             {LINECALLFEATURE_RELEASEUSERUSERINFO, "<RELAEASEUSERUSERINFO>"},
                             {LINECALLFEATURE_SETCALLDATA, "<SETCALLDATA>"},
                             {LINECALLFEATURE_SETTREATMENT, "<SETTRAETMENT>"},
                         });
}

QString dialToneModes(DWORD value)
{
    return tokens(value, {
                             {LINEDIALTONEMODE_NORMAL, "<NORMAL>"},
                             {LINEDIALTONEMODE_SPECIAL, "<SPECIAL>"},
                             {LINEDIALTONEMODE_INTERNAL, "<INTERNAL>"},
                             {LINEDIALTONEMODE_EXTERNAL, "<EXTERNAL>"},
                             {LINEDIALTONEMODE_UNKNOWN, "<UNKNOWN>"},
                             {LINEDIALTONEMODE_UNAVAIL, "<UNAVAIL>"},
                         });
}

QString busyModes(DWORD value)
{
    return tokens(value, {
                             {LINEBUSYMODE_STATION, "<STATION>"},
                             {LINEBUSYMODE_TRUNK, "<TRUNK>"},
                             {LINEBUSYMODE_UNKNOWN, "<UNKNOWN>"},
                             {LINEBUSYMODE_UNAVAIL, "<UNAVAIL>"},
                         });
}

QString disconnectModes(DWORD value)
{
    return tokens(value, {
                             {LINEDISCONNECTMODE_NORMAL, "<NORMAL>"},
                             {LINEDISCONNECTMODE_UNKNOWN, "<UNKNOWN>"},
                             {LINEDISCONNECTMODE_REJECT, "<REJECT>"},
                             {LINEDISCONNECTMODE_PICKUP, "<PICKUP>"},
                             {LINEDISCONNECTMODE_FORWARDED, "<FORWARDED>"},
                             {LINEDISCONNECTMODE_BUSY, "<BUSY>"},
                             {LINEDISCONNECTMODE_NOANSWER, "<NOANSWER>"},
                             {LINEDISCONNECTMODE_BADADDRESS, "<BADADDRESS>"},
                             {LINEDISCONNECTMODE_UNREACHABLE, "<UNREACHABLE>"},
                             {LINEDISCONNECTMODE_CONGESTION, "<CONGESTION>"},
                             {LINEDISCONNECTMODE_INCOMPATIBLE, "<INCOMPATIBLE>"},
                             {LINEDISCONNECTMODE_UNAVAIL, "<UNAVAIL>"},
                             {LINEDISCONNECTMODE_BLOCKED, "<BLOCKED>"},
                             {LINEDISCONNECTMODE_CANCELLED, "<CANCELLED>"},
                             {LINEDISCONNECTMODE_DONOTDISTURB, "<DONOTDISTURB>"},
                             {LINEDISCONNECTMODE_NODIALTONE, "<NODIALTONE>"},
                             {LINEDISCONNECTMODE_NUMBERCHANGED, "<NUMBERCHANGED>"},
                             {LINEDISCONNECTMODE_OUTOFORDER, "<OUTOFORDER>"},
                             {LINEDISCONNECTMODE_QOSUNAVAIL, "<QOSUNAVAIL>"},
                             {LINEDISCONNECTMODE_TEMPFAILURE, "<TEMPFAILURE>"},
                         });
}

} // namespace CapabilityTokens
