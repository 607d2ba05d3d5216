#pragma once

#include "platform/tapi/HandleCounter.h"
#include "platform/tapi/MessageMailbox.h"
#include "platform/tapi/TapiStructs.h"

#include <QByteArray>

#include <map>
#include <memory>

namespace platform::tapi {

// An application registered by lineInitializeEx or phoneInitializeEx.
struct TapiApp {
    QByteArray name;
    DWORD_PTR instance = 0;
    std::unique_ptr<MessageMailbox> mailbox;
};

// The result codes in which lineInitializeEx and phoneInitializeEx differ.
struct InitializeErrors {
    LONG invalPointer;
    LONG structureTooSmall;
    LONG invalParam;
    LONG incompatibleApiVersion;
};

// What lineInitializeEx and phoneInitializeEx share: checks the arguments,
// registers the application in `apps` under a new handle and reports the
// handle, `deviceCount` and the version.
LONG initializeApp(const InitializeErrors& errors, std::map<DWORD, TapiApp>& apps,
                   HandleCounter& handles, DWORD deviceCount, DWORD* lphApp, DWORD_PTR hInstance,
                   LINECALLBACK callback, const char* friendlyAppName, DWORD* lpdwNumDevs,
                   DWORD* lpdwAPIVersion, LINEINITIALIZEEXPARAMS* params);

} // namespace platform::tapi
