#include "control/line/UnavailableTelephonyService.h"

namespace platform::tapi {

LONG UnavailableTelephonyService::lineInitializeEx(HLINEAPP*, DWORD_PTR, LINECALLBACK, const char*,
                                                   DWORD*, DWORD*, LINEINITIALIZEEXPARAMS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineShutdown(HLINEAPP)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineNegotiateAPIVersion(HLINEAPP, DWORD, DWORD, DWORD, DWORD*,
                                                          LINEEXTENSIONID*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineNegotiateExtVersion(HLINEAPP, DWORD, DWORD, DWORD, DWORD,
                                                          DWORD*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineGetDevCaps(HLINEAPP, DWORD, DWORD, DWORD, LINEDEVCAPS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineGetAddressCaps(HLINEAPP, DWORD, DWORD, DWORD, DWORD,
                                                     LINEADDRESSCAPS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineOpen(HLINEAPP, DWORD, HLINE*, DWORD, DWORD, DWORD_PTR, DWORD,
                                           DWORD, const LINECALLPARAMS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineClose(HLINE)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineSetStatusMessages(HLINE, DWORD, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineGetID(HLINE, DWORD, HCALL, DWORD, VARSTRING*, const char*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineGetCallInfo(HCALL, LINECALLINFO*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineGetCallStatus(HCALL, LINECALLSTATUS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineDeallocateCall(HCALL)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineSetCallPrivilege(HCALL, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineMakeCall(HLINE, HCALL*, const char*, DWORD,
                                               const LINECALLPARAMS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineDial(HCALL, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineDrop(HCALL, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineAnswer(HCALL, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineAccept(HCALL, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineHold(HCALL)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineUnhold(HCALL)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineSwapHold(HCALL, HCALL)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineBlindTransfer(HCALL, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineSetupTransfer(HCALL, HCALL*, const LINECALLPARAMS*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineCompleteTransfer(HCALL, HCALL, HCALL*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::linePark(HCALL, DWORD, const char*, VARSTRING*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineUnpark(HLINE, DWORD, HCALL*, const char*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineRedirect(HCALL, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineGenerateDigits(HCALL, DWORD, const char*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineMonitorDigits(HCALL, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineDevSpecific(HLINE, DWORD, HCALL, void*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineDevSpecificFeature(HLINE, DWORD, void*, DWORD)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineTranslateAddress(HLINEAPP, DWORD, DWORD, const char*, DWORD,
                                                       DWORD, LINETRANSLATEOUTPUT*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineTranslateDialog(HLINEAPP, DWORD, DWORD, QWidget*, const char*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::lineConfigDialog(DWORD, QWidget*, const char*)
{
    return LINEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneInitializeEx(HPHONEAPP*, DWORD_PTR, PHONECALLBACK,
                                                    const char*, DWORD*, DWORD*,
                                                    PHONEINITIALIZEEXPARAMS*)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneShutdown(HPHONEAPP)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneNegotiateAPIVersion(HPHONEAPP, DWORD, DWORD, DWORD, DWORD*,
                                                           PHONEEXTENSIONID*)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneNegotiateExtVersion(HPHONEAPP, DWORD, DWORD, DWORD, DWORD,
                                                           DWORD*)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneGetDevCaps(HPHONEAPP, DWORD, DWORD, DWORD, PHONECAPS*)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneOpen(HPHONEAPP, DWORD, HPHONE*, DWORD, DWORD, DWORD_PTR,
                                            DWORD)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneClose(HPHONE)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneSetStatusMessages(HPHONE, DWORD, DWORD, DWORD)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneGetDisplay(HPHONE, VARSTRING*)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneGetLamp(HPHONE, DWORD, DWORD*)
{
    return PHONEERR_NODRIVER;
}

LONG UnavailableTelephonyService::phoneGetButtonInfo(HPHONE, DWORD, PHONEBUTTONINFO*)
{
    return PHONEERR_NODRIVER;
}

} // namespace platform::tapi
