#pragma once

#include "control/lintaro_export.h"
#include "platform/wave/Mmio.h"
#include "platform/wave/WaveFormat.h"

#include <QMetaObject>
#include <QString>
#include <QVariant>

#include <array>
#include <deque>
#include <vector>

class LintaroPrivate;
namespace platform::wave {
class WaveNotifySink;
}

// What a recording holds. One per process, like TapiState: the input device
// fills these buffers until it gives them back, so they must not live in any
// one control object.
struct LINTARO_TESTS_EXPORT WaveRecState {
    static WaveRecState& process();

    QString fileName; // as the host gave it
    platform::wave::HMMIO file = nullptr;
    platform::wave::MMCKINFO riff{}; // the open "WAVE" form
    platform::wave::MMCKINFO data{}; // the open "data" chunk
    platform::wave::WAVEFORMATEX format;
    quint32 bufferSize = 0;
    std::array<std::vector<char>, 5> buffers;
    std::array<platform::wave::WAVEHDR, 5> headers{};
    // The buffers handed to the device, in the order it fills them.
    std::deque<platform::wave::WAVEHDR*> queued;
    // Zero until the first recording opens a device; kept afterwards, so the
    // recording device counts as open from then on.
    platform::wave::HWAVEIN device{};
    bool recording = false;   // the input device is capturing
    bool active = false;      // started and not yet ended by WaveRecStop
    bool writeFailed = false; // reported once per recording

private:
    WaveRecState() = default;
};

// Recording a connected call into a new wave file (PCM 8000 Hz, 16 bit, mono)
// from the wave input device the line names. Five buffers of 0.1 s rotate
// through the device; each one it gives back full (MM_WIM_DATA on the sink
// Command2) is appended to the file and handed back, in the order the device
// filled them. OnWaveRecStart and OnWaveRecStop are raised directly.
// TapiLineDrop stops the input device (StopWaveIn) before it drops the call;
// nothing else of the line stops a recording.
class LINTARO_TESTS_EXPORT WaveRecording {
public:
    explicit WaveRecording(LintaroPrivate& d);
    // As controlShuttingDown().
    ~WaveRecording();
    WaveRecording(const WaveRecording&) = delete;
    WaveRecording& operator=(const WaveRecording&) = delete;

    void WaveRecStart(const QString& CFileName);
    // Always an empty variant.
    QVariant WaveRecStop();

    // The recording device counts as open once a recording has opened it.
    bool deviceOpen() const;
    // Stops the input device and finishes the file (used by TapiLineDrop);
    // the recording stays active until WaveRecStop.
    void StopWaveIn();
    // The control is going away (its destruction) while a recording may still
    // run: the file is finished, so that it is not left without its chunk
    // sizes, and the device let go of; nothing is raised. shutdownControl
    // does not stop a recording: the host may still end it with WaveRecStop.
    void controlShuttingDown();

    // The format every recording has, as it is written into the file.
    static platform::wave::WAVEFORMATEX recordingFormat();

private:
    // SUCCESS (1001) or the code of the step that failed.
    qint32 CreateWaveFile(const QString& name);
    bool StartWaveIn(quint8 deviceId);
    void dataHandler(quint32 message, quint32 device, platform::wave::WAVEHDR* header);
    void addWaveInBuffer(platform::wave::WAVEHDR* header);

    // What of a buffer the device gave back goes into the file.
    quint32 recordedBytes(const platform::wave::WAVEHDR& header) const;
    // Appends `count` bytes of a buffer to the file; a failure is reported
    // once per recording from origin.
    void append(const char* bytes, quint32 count, const QString& origin);
    // The device after a failed start: every buffer back, closed, the file
    // finished.
    void abandonStart();
    void releaseDevice();
    // Writes the sizes of "data" and the form, and closes the file.
    void finishFile();
    void attachSink();
    void detachSink();

    LintaroPrivate& d;
    WaveRecState& ws;
    platform::wave::WaveNotifySink* Command2;
    QMetaObject::Connection m_sinkConnection;
};
