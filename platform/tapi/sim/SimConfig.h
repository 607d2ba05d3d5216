#pragma once

#include "platform/tapi/ServiceProvider.h"
#include "platform/tapi/TapiStructs.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QSettings;

namespace platform::tapi::sim {

// The phone device that may belong to a simulated line: a handset with a
// display, lamps and buttons (button i has lamp i; lamp 0 shows the line).
struct SimPhoneConfig {
    bool present = false;
    QString name;
    DWORD displayRows = 2;
    DWORD displayColumns = 20;
    QVector<DWORD> buttonFunctions; // PHONEBUTTONFUNCTION_ per button
    DWORD numRingModes = 3;         // 0 is silent
    DWORD hookSwitchDevs = 0;       // PHONEHOOKSWITCHDEV_ flags
    // The phone device ID the driver names for its line ("tapi/phone"); -1
    // for the phone's own ID. A driver that numbers its phones its own way
    // names an ID the service does not know.
    int reportedDeviceId = -1;
};

// One line device of the simulated exchange.
struct SimLineConfig {
    QString name;
    QStringList addresses; // the line's own numbers, one per address
    QString providerInfo;
    QString switchInfo;
    DWORD permanentLineId = 0;
    DWORD addressModes = 0;
    DWORD bearerModes = 0;
    DWORD mediaModes = 0;
    DWORD lineStates = 0;    // LINEDEVSTATE_ the line can report
    DWORD addressStates = 0; // LINEADDRESSSTATE_ likewise
    DWORD callStates = 0;
    DWORD callFeatures = 0;
    DWORD callInfoStates = 0;
    DWORD dialToneModes = 0;
    DWORD busyModes = 0;
    DWORD specialInfo = 0;
    DWORD disconnectModes = 0;
    DWORD parkModes = 0;
    DWORD transferModes = 0;
    // Offered calls ring only after lineAccept.
    bool acceptToAlert = false;
    VersionRange apiVersions;
    // Extension versions the line negotiates; empty for none.
    VersionRange extVersions;
    // The driver negotiates extension versions but then refuses to work with them.
    bool refuseExtVersions = false;
    LINEEXTENSIONID extensionId{};
    int waveOut = -1; // wave output device ID, -1 for none
    int waveIn = -1;
    // Repeats the ring of an alerting call this often; 0 rings only on request.
    int ringIntervalMs = 0;
    SimPhoneConfig phone;
};

struct SimConfig {
    QVector<SimLineConfig> lines;

    // The built-in line `index`: line 0 with a phone and wave devices 0/0.
    static SimLineConfig defaultLine(int index);
    // Two lines: the first with a phone device and wave in/out 0/0.
    static SimConfig defaults();

    // Reads [Sim] Lines=<n> and [SimLine<i>] (every key optional, falling back
    // to defaultLine(i)); Lines defaults to the two built-in lines. Numbers
    // may be written in hex ("0x..."); version ranges as "low-high".
    static SimConfig load(QSettings& settings);
    // Writes the settings of line `index` that its settings dialog edits:
    // Name, Address, AcceptToAlert, RingIntervalMs, WaveOut, WaveIn.
    static void saveLineSettings(QSettings& settings, int index, const SimLineConfig& line);
};

} // namespace platform::tapi::sim
