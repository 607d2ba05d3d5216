#include "control/line/LintaroDevices.h"

#include "control/line/UnavailableTelephonyService.h"
#include "platform/tapi/TelephonyConfig.h"
#include "platform/tapi/TelephonySystem.h"
#include "platform/tapi/sim/SimConfig.h"
#include "platform/tapi/sim/SimExchange.h"
#include "platform/wave/SimWaveDevices.h"

#include <map>

using namespace Qt::StringLiterals;
using namespace platform;

LintaroDevices::LintaroDevices() : m_wave(std::make_unique<wave::SimWaveDevices>()) {}

LintaroDevices::~LintaroDevices()
{
    // The service first: it detaches from its provider's devices.
    m_system.reset();
    m_unavailable.reset();
    m_wave.reset();
}

std::unique_ptr<LintaroDevices> LintaroDevices::create(const QString& configPath, QString* error,
                                                       tapi::DialogRunner* dialogs)
{
    std::unique_ptr<LintaroDevices> devices(new LintaroDevices);
    const QString path = configPath.isEmpty() ? tapi::TelephonyConfig::defaultPath() : configPath;
    QString why;
    devices->m_system = tapi::TelephonySystem::create(path, &why, dialogs);
    if (!devices->m_system) {
        devices->m_unavailable = std::make_unique<tapi::UnavailableTelephonyService>();
        if (error)
            *error = why;
    } else if (tapi::sim::SimExchange* exchange = devices->m_system->simExchange()) {
        addSimLineDevices(*devices->m_wave, exchange->config());
    }
    return devices;
}

tapi::TelephonyService& LintaroDevices::telephony()
{
    return m_system ? m_system->service() : *m_unavailable;
}

wave::WaveDevices& LintaroDevices::wave()
{
    return *m_wave;
}

wave::SimWaveDevices& LintaroDevices::simWave()
{
    return *m_wave;
}

tapi::sim::SimExchange* LintaroDevices::simExchange() const
{
    return m_system ? m_system->simExchange() : nullptr;
}

void LintaroDevices::addSimLineDevices(wave::SimWaveDevices& devices,
                                       const tapi::sim::SimConfig& config)
{
    std::map<int, QString> outputs;
    std::map<int, QString> inputs;
    for (const tapi::sim::SimLineConfig& line : config.lines) {
        if (line.waveOut >= 0)
            outputs.emplace(line.waveOut, line.name);
        if (line.waveIn >= 0)
            inputs.emplace(line.waveIn, line.name);
    }
    // Device IDs are positions: fill every ID up to the highest one named.
    const auto fill = [](const std::map<int, QString>& named, const QString& suffix,
                         auto addDevice) {
        if (named.empty())
            return;
        for (int id = 0; id <= named.rbegin()->first; ++id) {
            const auto it = named.find(id);
            wave::SimWaveDeviceConfig device;
            device.name = (it != named.end() ? it->second : u"Reserve"_s) + suffix;
            addDevice(std::move(device));
        }
    };
    fill(outputs, u" Wave Out"_s,
         [&](wave::SimWaveDeviceConfig c) { devices.addOutputDevice(std::move(c)); });
    fill(inputs, u" Wave In"_s,
         [&](wave::SimWaveDeviceConfig c) { devices.addInputDevice(std::move(c)); });
}
