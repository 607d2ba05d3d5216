#pragma once

#include "control/lintaro_export.h"

#include <QString>

#include <memory>

namespace platform::tapi {
class DialogRunner;
class TelephonyService;
class TelephonySystem;
namespace sim {
class SimExchange;
struct SimConfig;
} // namespace sim
} // namespace platform::tapi
namespace platform::wave {
class SimWaveDevices;
class WaveDevices;
} // namespace platform::wave

// The seams a host hands to the control, made from the telephony
// configuration: the telephony service of the configured provider and the
// wave devices of its lines (for the simulated exchange, one output and one
// input device at the IDs each line names). A host keeps this alive longer
// than the control.
class LINTARO_EXPORT LintaroDevices {
public:
    // configPath: the telephony configuration (TelephonyConfig::defaultPath()
    // when empty). When the configured provider cannot be created the result
    // still holds a service, one without a driver (every function fails with
    // NODRIVER), and *error tells why.
    static std::unique_ptr<LintaroDevices> create(const QString& configPath = QString(),
                                                  QString* error = nullptr,
                                                  platform::tapi::DialogRunner* dialogs = nullptr);
    ~LintaroDevices();

    bool hasProvider() const { return m_system != nullptr; }
    platform::tapi::TelephonyService& telephony();
    platform::wave::WaveDevices& wave();
    platform::wave::SimWaveDevices& simWave();
    // The simulated exchange when it is the provider, else nullptr.
    platform::tapi::sim::SimExchange* simExchange() const;

    // Adds to `devices` the output and input devices the simulated lines name
    // (IDs as configured; an ID no line names gets a spare device).
    static void addSimLineDevices(platform::wave::SimWaveDevices& devices,
                                  const platform::tapi::sim::SimConfig& config);

private:
    LintaroDevices();

    std::unique_ptr<platform::tapi::TelephonySystem> m_system;
    std::unique_ptr<platform::tapi::TelephonyService> m_unavailable;
    std::unique_ptr<platform::wave::SimWaveDevices> m_wave;
};
