#pragma once

#include "platform/tapi/TelephonyConfig.h"
#include "platform/tapi/TelephonyService.h"

#include <QString>

#include <memory>

namespace platform::tapi {

class DialogRunner;
class ServiceProvider;
class TapiService;
namespace sim {
class SimExchange;
}

// What a host program creates: the provider named in the telephony
// configuration (`sim` unless configured otherwise) and the service on it.
//
//     auto telephony = TelephonySystem::create(TelephonyConfig::defaultPath(), &error);
//     Lintaro control(telephony->service());
class TelephonySystem {
public:
    // dialogs: how the service shows its dialogs; nullptr shows them modally.
    static std::unique_ptr<TelephonySystem>
    create(const QString& configPath, QString* error = nullptr, DialogRunner* dialogs = nullptr);
    ~TelephonySystem();

    TelephonyService& service();
    const TelephonyConfig& config() const { return m_config; }
    // The simulated exchange when that is the provider, else nullptr.
    sim::SimExchange* simExchange() const { return m_sim; }

private:
    explicit TelephonySystem(TelephonyConfig config);

    TelephonyConfig m_config;
    std::unique_ptr<DialogRunner> m_ownDialogs;
    std::unique_ptr<ServiceProvider> m_provider;
    std::unique_ptr<TapiService> m_service;
    sim::SimExchange* m_sim = nullptr;
};

} // namespace platform::tapi
