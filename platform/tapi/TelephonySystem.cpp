#include "platform/tapi/TelephonySystem.h"

#include "platform/tapi/DialogRunner.h"
#include "platform/tapi/TapiService.h"
#include "platform/tapi/sim/SimConfig.h"
#include "platform/tapi/sim/SimExchange.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace platform::tapi {

TelephonySystem::TelephonySystem(TelephonyConfig config) : m_config(std::move(config)) {}

TelephonySystem::~TelephonySystem()
{
    m_service.reset(); // detaches from the provider first
    m_provider.reset();
}

std::unique_ptr<TelephonySystem> TelephonySystem::create(const QString& configPath, QString* error,
                                                         DialogRunner* dialogs)
{
    std::unique_ptr<TelephonySystem> system(new TelephonySystem(TelephonyConfig(configPath)));
    const QString provider = system->m_config.providerName();
    if (provider != u"sim") {
        if (error)
            *error =
                u"unknown telephony provider '%1' in %2 (known: sim)"_s.arg(provider, configPath);
        return nullptr;
    }
    auto exchange =
        std::make_unique<sim::SimExchange>(sim::SimConfig::load(*system->m_config.open()));
    exchange->setConfigPath(configPath);
    system->m_sim = exchange.get();
    system->m_provider = std::move(exchange);
    if (!dialogs) {
        system->m_ownDialogs = std::make_unique<ModalDialogRunner>();
        dialogs = system->m_ownDialogs.get();
    }
    system->m_service =
        std::make_unique<TapiService>(*system->m_provider, system->m_config, *dialogs);
    return system;
}

TelephonyService& TelephonySystem::service()
{
    return *m_service;
}

} // namespace platform::tapi
