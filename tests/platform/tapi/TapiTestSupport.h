#pragma once

#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/TapiService.h"
#include "platform/tapi/sim/SimExchange.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <vector>

class QThread;

namespace tapitest {

using namespace platform::tapi;

// One message as a callback received it.
struct Message {
    DWORD device = 0;
    DWORD message = 0;
    DWORD_PTR instance = 0;
    DWORD_PTR param1 = 0;
    DWORD_PTR param2 = 0;
    DWORD_PTR param3 = 0;
    QThread* thread = nullptr;
};

// Records what a line or phone callback receives (from any thread).
class MessageLog {
public:
    LINECALLBACK callback();
    std::vector<Message> all() const;
    std::vector<Message> of(DWORD message) const;
    // The call states reported for one call handle, in order.
    std::vector<DWORD> callStates(HCALL call) const;
    size_t count(DWORD message) const { return of(message).size(); }
    // Runs the event loop until `count` messages of that kind have arrived.
    bool waitFor(DWORD message, size_t count = 1) const;
    // Runs the event loop until the call has reported the state.
    bool waitForState(HCALL call, DWORD state) const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<Message> m_messages;
};

// The texts and values of a call as lineGetCallInfo reports them.
struct CallInfo {
    LONG result = 0;
    LINECALLINFO fixed{};
    QString callerNumber;
    QString callerName;
    QString calledNumber;
    QString connectedNumber;
    QString connectedName;
    QString redirectionNumber;
    QString redirectingNumber;
    QString chargingInfo;
    QString appName;
};

// A text at (offset, size) of a structure, cut at the first NUL.
QString textAt(const void* structure, DWORD offset, DWORD size);

// A zero-filled buffer of `size` bytes used as the structure T.
template <class T> struct Buffer {
    explicit Buffer(DWORD size = 4096) : bytes(size, 0) { get()->dwTotalSize = size; }
    T* get() { return reinterpret_cast<T*>(bytes.data()); }
    T* operator->() { return get(); }
    QString text(DWORD offset, DWORD size) const { return textAt(bytes.data(), offset, size); }
    std::vector<char> bytes;
};

// The simulated exchange with the service on it, for one test.
class SimFixture : public ::testing::Test {
protected:
    // The built-in lines, but ringing only on request.
    static sim::SimConfig testConfig();
    // Builds exchange and service (called by SetUp with testConfig()).
    void start(sim::SimConfig config);
    void SetUp() override { start(testConfig()); }
    void TearDown() override;

    HLINEAPP initialize(MessageLog& log, const char* name = "Test", DWORD_PTR instance = 0);
    // Negotiates and opens a line; ringing messages are switched on.
    HLINE open(HLINEAPP app, DWORD device, DWORD privileges, DWORD_PTR instance = 0);
    DWORD negotiated(HLINEAPP app, DWORD device);
    CallInfo callInfo(HCALL call);
    LINECALLSTATUS callStatus(HCALL call);
    // The handle the log first saw for the call the exchange knows as `id`.
    HCALL handleOfCall(const MessageLog& log, CallKey id);
    // Offers a call on line 0 and waits until the log sees it OFFERING.
    HCALL offer(MessageLog& log, const QString& number, const QString& name = QString());

    QTemporaryDir m_dir;
    QString m_configPath;
    ScriptedDialogRunner m_dialogs;
    std::unique_ptr<sim::SimExchange> m_exchange;
    std::unique_ptr<TapiService> m_service;
};

} // namespace tapitest
