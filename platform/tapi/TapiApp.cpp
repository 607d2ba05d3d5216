#include "platform/tapi/TapiApp.h"

#include "platform/tapi/TapiConstants.h"

namespace platform::tapi {

LONG initializeApp(const InitializeErrors& errors, std::map<DWORD, TapiApp>& apps,
                   HandleCounter& handles, DWORD deviceCount, DWORD* lphApp, DWORD_PTR hInstance,
                   LINECALLBACK callback, const char* friendlyAppName, DWORD* lpdwNumDevs,
                   DWORD* lpdwAPIVersion, LINEINITIALIZEEXPARAMS* params)
{
    if (!lphApp || !lpdwNumDevs || !lpdwAPIVersion || !params || !callback)
        return errors.invalPointer;
    if (params->dwTotalSize < sizeof(LINEINITIALIZEEXPARAMS))
        return errors.structureTooSmall;
    // PHONEINITIALIZEEXOPTION_USEHIDDENWINDOW has the same value.
    if (params->dwOptions != LINEINITIALIZEEXOPTION_USEHIDDENWINDOW)
        return errors.invalParam;
    if (*lpdwAPIVersion < TAPI_VERSION1_0)
        return errors.incompatibleApiVersion;
    params->dwNeededSize = sizeof(LINEINITIALIZEEXPARAMS);
    params->dwUsedSize = sizeof(LINEINITIALIZEEXPARAMS);

    const DWORD handle = handles.take();
    TapiApp& app = apps[handle];
    app.name = QByteArray(friendlyAppName ? friendlyAppName : "");
    app.instance = hInstance;
    app.mailbox = std::make_unique<MessageMailbox>(std::move(callback));
    *lphApp = handle;
    *lpdwNumDevs = deviceCount;
    *lpdwAPIVersion = TAPI_CURRENT_VERSION;
    return 0;
}

} // namespace platform::tapi
