#pragma once

#include "control/lintaro_export.h"
#include "platform/wave/Mmio.h"
#include "platform/wave/WaveFormat.h"

#include <QMetaObject>
#include <QString>

#include <array>
#include <vector>

class LintaroPrivate;
class QTimer;
namespace platform::wave {
class WaveNotifySink;
}

// What a playback holds. One per process, like TapiState: the output device
// writes into these headers and reads these buffers until it gives them back,
// so they must not live in any one control object.
struct LINTARO_TESTS_EXPORT WavePlayState {
    static WavePlayState& process();

    QString fileName; // as the host gave it
    platform::wave::HMMIO file = nullptr;
    platform::wave::WAVEFORMATEX format; // the first 18 bytes of "fmt "
    quint32 dataStart = 0;               // file position of the first sample byte
    quint32 dataSize = 0;                // cksize of "data"
    quint32 bufferSize = 0;              // bytes per block
    std::array<std::vector<char>, 2> buffers;
    std::array<platform::wave::WAVEHDR, 2> headers{};
    platform::wave::HWAVEOUT device{}; // zero: no output device open
    quint8 deviceId = 0;
    bool loaded = false;  // the file is open and its buffers allocated
    bool playing = false; // more of the file is to be read and written
    bool busy = false;    // from the device's opening until the end is handled

private:
    WavePlayState() = default;
};

// Playing a wave file into a connected call through the wave output device
// the line names. The file streams through two alternating blocks of 0.3 s;
// each block the device gives back (MM_WOM_DONE on the sink Command1) is
// refilled and written again. OnWavePlayStart comes through the relay
// lblWavePlStart when the device has opened; the 50 ms timer tmrWavePlay
// raises OnWavePlayDone once the device has played the whole file, or at its
// first tick after a stop.
class LINTARO_TESTS_EXPORT WavePlayback {
public:
    explicit WavePlayback(LintaroPrivate& d);
    // The control is going away: nothing could refill or end a playback any
    // more, so the device gets its buffers back and is closed, quietly.
    ~WavePlayback();
    WavePlayback(const WavePlayback&) = delete;
    WavePlayback& operator=(const WavePlayback&) = delete;

    void WavePlayStart(const QString& CFileName);
    void WavePlayStop();

    // Wave output counts as active while its device handle is set.
    bool outputActive() const;
    // The output device handle (0 = none), for the log.
    quint32 outputHandle() const;
    // Stops an active playback; the timer then raises OnWavePlayDone.
    void StopWaveOut();
    // Lets go of the playback timer (shutdownControl and destruction): no
    // OnWavePlayDone is raised any more for what was stopped before.
    void releaseTimer();

private:
    void OpenWaveFile(const QString& name);
    void StartWaveOut(quint8 deviceId);
    void WaveOutNotify(quint32 message, quint32 device, platform::wave::WAVEHDR* header);
    void writeNextBlock(platform::wave::WAVEHDR* header);
    void tmrWavePlayTimer();

    // Once nothing more is to be written and the device has played what it
    // held, the device is let go of; the timer's next tick ends the playback.
    void releaseOutputWhenPlayed();
    // True while the device still holds one of the blocks.
    bool deviceHoldsBlocks() const;
    // The playback is over: the device, the file and the sink are let go of.
    void endPlayback();
    // Takes every block back from the device and closes it.
    void closeOutput();
    void closeFile();
    void attachSink();
    void detachSink();

    LintaroPrivate& d;
    WavePlayState& ws;
    QTimer* tmrWavePlay;
    platform::wave::WaveNotifySink* Command1;
    QMetaObject::Connection m_sinkConnection;
};
