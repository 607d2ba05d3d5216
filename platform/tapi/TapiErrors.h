#pragma once

#include "platform/tapi/TapiTypes.h"

// Result codes of the line and phone functions and of the request functions,
// at their published values. Values that were never assigned a name (for
// example 0x80000004, 0x80000031, 0x9000001E) are left out on purpose.
namespace platform::tapi {

constexpr LONG tapiError(DWORD value)
{
    return static_cast<LONG>(value);
}

// clang-format off
inline constexpr LONG LINEERR_ALLOCATED               = tapiError(0x80000001);
inline constexpr LONG LINEERR_BADDEVICEID             = tapiError(0x80000002);
inline constexpr LONG LINEERR_BEARERMODEUNAVAIL       = tapiError(0x80000003);
inline constexpr LONG LINEERR_CALLUNAVAIL             = tapiError(0x80000005);
inline constexpr LONG LINEERR_COMPLETIONOVERRUN       = tapiError(0x80000006);
inline constexpr LONG LINEERR_CONFERENCEFULL          = tapiError(0x80000007);
inline constexpr LONG LINEERR_DIALBILLING             = tapiError(0x80000008);
inline constexpr LONG LINEERR_DIALDIALTONE            = tapiError(0x80000009);
inline constexpr LONG LINEERR_DIALPROMPT              = tapiError(0x8000000A);
inline constexpr LONG LINEERR_DIALQUIET               = tapiError(0x8000000B);
inline constexpr LONG LINEERR_INCOMPATIBLEAPIVERSION  = tapiError(0x8000000C);
inline constexpr LONG LINEERR_INCOMPATIBLEEXTVERSION  = tapiError(0x8000000D);
inline constexpr LONG LINEERR_INIFILECORRUPT          = tapiError(0x8000000E);
inline constexpr LONG LINEERR_INUSE                   = tapiError(0x8000000F);
inline constexpr LONG LINEERR_INVALADDRESS            = tapiError(0x80000010);
inline constexpr LONG LINEERR_INVALADDRESSID          = tapiError(0x80000011);
inline constexpr LONG LINEERR_INVALADDRESSMODE        = tapiError(0x80000012);
inline constexpr LONG LINEERR_INVALADDRESSSTATE       = tapiError(0x80000013);
inline constexpr LONG LINEERR_INVALAPPHANDLE          = tapiError(0x80000014);
inline constexpr LONG LINEERR_INVALAPPNAME            = tapiError(0x80000015);
inline constexpr LONG LINEERR_INVALBEARERMODE         = tapiError(0x80000016);
inline constexpr LONG LINEERR_INVALCALLCOMPLMODE      = tapiError(0x80000017);
inline constexpr LONG LINEERR_INVALCALLHANDLE         = tapiError(0x80000018);
inline constexpr LONG LINEERR_INVALCALLPARAMS         = tapiError(0x80000019);
inline constexpr LONG LINEERR_INVALCALLPRIVILEGE      = tapiError(0x8000001A);
inline constexpr LONG LINEERR_INVALCALLSELECT         = tapiError(0x8000001B);
inline constexpr LONG LINEERR_INVALCALLSTATE          = tapiError(0x8000001C);
inline constexpr LONG LINEERR_INVALCALLSTATELIST      = tapiError(0x8000001D);
inline constexpr LONG LINEERR_INVALCARD               = tapiError(0x8000001E);
inline constexpr LONG LINEERR_INVALCOMPLETIONID       = tapiError(0x8000001F);
inline constexpr LONG LINEERR_INVALCONFCALLHANDLE     = tapiError(0x80000020);
inline constexpr LONG LINEERR_INVALCONSULTCALLHANDLE  = tapiError(0x80000021);
inline constexpr LONG LINEERR_INVALCOUNTRYCODE        = tapiError(0x80000022);
inline constexpr LONG LINEERR_INVALDEVICECLASS        = tapiError(0x80000023);
inline constexpr LONG LINEERR_INVALDEVICEHANDLE       = tapiError(0x80000024);
inline constexpr LONG LINEERR_INVALDIALPARAMS         = tapiError(0x80000025);
inline constexpr LONG LINEERR_INVALDIGITLIST          = tapiError(0x80000026);
inline constexpr LONG LINEERR_INVALDIGITMODE          = tapiError(0x80000027);
inline constexpr LONG LINEERR_INVALDIGITS             = tapiError(0x80000028);
inline constexpr LONG LINEERR_INVALEXTVERSION         = tapiError(0x80000029);
inline constexpr LONG LINEERR_INVALGROUPID            = tapiError(0x8000002A);
inline constexpr LONG LINEERR_INVALLINEHANDLE         = tapiError(0x8000002B);
inline constexpr LONG LINEERR_INVALLINESTATE          = tapiError(0x8000002C);
inline constexpr LONG LINEERR_INVALLOCATION           = tapiError(0x8000002D);
inline constexpr LONG LINEERR_INVALMEDIALIST          = tapiError(0x8000002E);
inline constexpr LONG LINEERR_INVALMEDIAMODE          = tapiError(0x8000002F);
inline constexpr LONG LINEERR_INVALMESSAGEID          = tapiError(0x80000030);
inline constexpr LONG LINEERR_INVALPARAM              = tapiError(0x80000032);
inline constexpr LONG LINEERR_INVALPARKID             = tapiError(0x80000033);
inline constexpr LONG LINEERR_INVALPARKMODE           = tapiError(0x80000034);
inline constexpr LONG LINEERR_INVALPOINTER            = tapiError(0x80000035);
inline constexpr LONG LINEERR_INVALPRIVSELECT         = tapiError(0x80000036);
inline constexpr LONG LINEERR_INVALRATE               = tapiError(0x80000037);
inline constexpr LONG LINEERR_INVALREQUESTMODE        = tapiError(0x80000038);
inline constexpr LONG LINEERR_INVALTERMINALID         = tapiError(0x80000039);
inline constexpr LONG LINEERR_INVALTERMINALMODE       = tapiError(0x8000003A);
inline constexpr LONG LINEERR_INVALTIMEOUT            = tapiError(0x8000003B);
inline constexpr LONG LINEERR_INVALTONE               = tapiError(0x8000003C);
inline constexpr LONG LINEERR_INVALTONELIST           = tapiError(0x8000003D);
inline constexpr LONG LINEERR_INVALTONEMODE           = tapiError(0x8000003E);
inline constexpr LONG LINEERR_INVALTRANSFERMODE       = tapiError(0x8000003F);
inline constexpr LONG LINEERR_LINEMAPPERFAILED        = tapiError(0x80000040);
inline constexpr LONG LINEERR_NOCONFERENCE            = tapiError(0x80000041);
inline constexpr LONG LINEERR_NODEVICE                = tapiError(0x80000042);
inline constexpr LONG LINEERR_NODRIVER                = tapiError(0x80000043);
inline constexpr LONG LINEERR_NOMEM                   = tapiError(0x80000044);
inline constexpr LONG LINEERR_NOREQUEST               = tapiError(0x80000045);
inline constexpr LONG LINEERR_NOTOWNER                = tapiError(0x80000046);
inline constexpr LONG LINEERR_NOTREGISTERED           = tapiError(0x80000047);
inline constexpr LONG LINEERR_OPERATIONFAILED         = tapiError(0x80000048);
inline constexpr LONG LINEERR_OPERATIONUNAVAIL        = tapiError(0x80000049);
inline constexpr LONG LINEERR_RATEUNAVAIL             = tapiError(0x8000004A);
inline constexpr LONG LINEERR_RESOURCEUNAVAIL         = tapiError(0x8000004B);
inline constexpr LONG LINEERR_REQUESTOVERRUN          = tapiError(0x8000004C);
inline constexpr LONG LINEERR_STRUCTURETOOSMALL       = tapiError(0x8000004D);
inline constexpr LONG LINEERR_TARGETNOTFOUND          = tapiError(0x8000004E);
inline constexpr LONG LINEERR_TARGETSELF              = tapiError(0x8000004F);
inline constexpr LONG LINEERR_UNINITIALIZED           = tapiError(0x80000050);
inline constexpr LONG LINEERR_USERUSERINFOTOOBIG      = tapiError(0x80000051);
inline constexpr LONG LINEERR_REINIT                  = tapiError(0x80000052);
inline constexpr LONG LINEERR_ADDRESSBLOCKED          = tapiError(0x80000053);
inline constexpr LONG LINEERR_BILLINGREJECTED         = tapiError(0x80000054);
inline constexpr LONG LINEERR_INVALFEATURE            = tapiError(0x80000055);
inline constexpr LONG LINEERR_NOMULTIPLEINSTANCE      = tapiError(0x80000056);
inline constexpr LONG LINEERR_INVALAGENTID            = tapiError(0x80000057);
inline constexpr LONG LINEERR_INVALAGENTGROUP         = tapiError(0x80000058);
inline constexpr LONG LINEERR_INVALPASSWORD           = tapiError(0x80000059);
inline constexpr LONG LINEERR_INVALAGENTSTATE         = tapiError(0x8000005A);
inline constexpr LONG LINEERR_INVALAGENTACTIVITY      = tapiError(0x8000005B);
inline constexpr LONG LINEERR_DIALVOICEDETECT         = tapiError(0x8000005C);

inline constexpr LONG PHONEERR_ALLOCATED              = tapiError(0x90000001);
inline constexpr LONG PHONEERR_BADDEVICEID            = tapiError(0x90000002);
inline constexpr LONG PHONEERR_INCOMPATIBLEAPIVERSION = tapiError(0x90000003);
inline constexpr LONG PHONEERR_INCOMPATIBLEEXTVERSION = tapiError(0x90000004);
inline constexpr LONG PHONEERR_INIFILECORRUPT         = tapiError(0x90000005);
inline constexpr LONG PHONEERR_INUSE                  = tapiError(0x90000006);
inline constexpr LONG PHONEERR_INVALAPPHANDLE         = tapiError(0x90000007);
inline constexpr LONG PHONEERR_INVALAPPNAME           = tapiError(0x90000008);
inline constexpr LONG PHONEERR_INVALBUTTONLAMPID      = tapiError(0x90000009);
inline constexpr LONG PHONEERR_INVALBUTTONMODE        = tapiError(0x9000000A);
inline constexpr LONG PHONEERR_INVALBUTTONSTATE       = tapiError(0x9000000B);
inline constexpr LONG PHONEERR_INVALDATAID            = tapiError(0x9000000C);
inline constexpr LONG PHONEERR_INVALDEVICECLASS       = tapiError(0x9000000D);
inline constexpr LONG PHONEERR_INVALEXTVERSION        = tapiError(0x9000000E);
inline constexpr LONG PHONEERR_INVALHOOKSWITCHDEV     = tapiError(0x9000000F);
inline constexpr LONG PHONEERR_INVALHOOKSWITCHMODE    = tapiError(0x90000010);
inline constexpr LONG PHONEERR_INVALLAMPMODE          = tapiError(0x90000011);
inline constexpr LONG PHONEERR_INVALPARAM             = tapiError(0x90000012);
inline constexpr LONG PHONEERR_INVALPHONEHANDLE       = tapiError(0x90000013);
inline constexpr LONG PHONEERR_INVALPHONESTATE        = tapiError(0x90000014);
inline constexpr LONG PHONEERR_INVALPOINTER           = tapiError(0x90000015);
inline constexpr LONG PHONEERR_INVALPRIVILEGE         = tapiError(0x90000016);
inline constexpr LONG PHONEERR_INVALRINGMODE          = tapiError(0x90000017);
inline constexpr LONG PHONEERR_NODEVICE               = tapiError(0x90000018);
inline constexpr LONG PHONEERR_NODRIVER               = tapiError(0x90000019);
inline constexpr LONG PHONEERR_NOMEM                  = tapiError(0x9000001A);
inline constexpr LONG PHONEERR_NOTOWNER               = tapiError(0x9000001B);
inline constexpr LONG PHONEERR_OPERATIONFAILED        = tapiError(0x9000001C);
inline constexpr LONG PHONEERR_OPERATIONUNAVAIL       = tapiError(0x9000001D);
inline constexpr LONG PHONEERR_RESOURCEUNAVAIL        = tapiError(0x9000001F);
inline constexpr LONG PHONEERR_REQUESTOVERRUN         = tapiError(0x90000020);
inline constexpr LONG PHONEERR_STRUCTURETOOSMALL      = tapiError(0x90000021);
inline constexpr LONG PHONEERR_UNINITIALIZED          = tapiError(0x90000022);
inline constexpr LONG PHONEERR_REINIT                 = tapiError(0x90000023);

// Results of the request functions (assisted telephony).
inline constexpr LONG TAPIERR_CONNECTED               = 0;
inline constexpr LONG TAPIERR_DROPPED                 = -1;
inline constexpr LONG TAPIERR_NOREQUESTRECIPIENT      = -2;
inline constexpr LONG TAPIERR_REQUESTQUEUEFULL        = -3;
inline constexpr LONG TAPIERR_INVALDESTADDRESS        = -4;
inline constexpr LONG TAPIERR_INVALWINDOWHANDLE       = -5;
inline constexpr LONG TAPIERR_INVALDEVICECLASS        = -6;
inline constexpr LONG TAPIERR_INVALDEVICEID           = -7;
inline constexpr LONG TAPIERR_DEVICECLASSUNAVAIL      = -8;
inline constexpr LONG TAPIERR_DEVICEIDUNAVAIL         = -9;
inline constexpr LONG TAPIERR_DEVICEINUSE             = -10;
inline constexpr LONG TAPIERR_DESTBUSY                = -11;
inline constexpr LONG TAPIERR_DESTNOANSWER            = -12;
inline constexpr LONG TAPIERR_DESTUNAVAIL             = -13;
inline constexpr LONG TAPIERR_UNKNOWNWINHANDLE        = -14;
inline constexpr LONG TAPIERR_UNKNOWNREQUESTID        = -15;
inline constexpr LONG TAPIERR_REQUESTFAILED           = -16;
inline constexpr LONG TAPIERR_REQUESTCANCELLED        = -17;
inline constexpr LONG TAPIERR_INVALPOINTER            = -18;
inline constexpr LONG TAPIERR_NOTADMIN                = -19;
// clang-format on

} // namespace platform::tapi
