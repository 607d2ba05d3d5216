#pragma once

// The wave output and input devices, as the control and the program reach
// them. Device IDs count from 0 for outputs and for inputs separately.
//
// Notifications: a device opened with CALLBACK_WINDOW posts a WaveMessageEvent
// to the callback object (MM_WOM_OPEN when opened, MM_WOM_DONE per finished
// buffer, MM_WOM_CLOSE when closed; MM_WIM_OPEN, MM_WIM_DATA, MM_WIM_CLOSE for
// input). They are handled by the event loop of the object's thread and never
// inside the call that caused them. CALLBACK_NULL opens without notifications.
//
// Buffers: the caller owns each WAVEHDR and its data; from write/add until the
// device sets WHDR_DONE (or a reset returns it) both must stay alive.

#include "platform/wave/WaveFormat.h"

class QObject;

namespace platform::wave {

class WaveDevices {
public:
    virtual ~WaveDevices() = default;

    virtual quint32 waveOutGetNumDevs() const = 0;
    virtual MMRESULT waveOutGetDevCaps(quint32 deviceId, WAVEOUTCAPS* caps) const = 0;
    // flags: CALLBACK_NULL or CALLBACK_WINDOW (callbackWindow receives the
    // notifications), optionally WAVE_FORMAT_QUERY (only asks whether the format
    // is taken; nothing is opened). A format the device cannot take gives
    // WAVERR_BADFORMAT, a device already open MMSYSERR_ALLOCATED.
    virtual MMRESULT waveOutOpen(HWAVEOUT* handle, quint32 deviceId, const WAVEFORMATEX* format,
                                 QObject* callbackWindow, quintptr instance, quint32 flags) = 0;
    virtual MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header) = 0;
    // WAVERR_STILLPLAYING while the buffer is queued.
    virtual MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header) = 0;
    // Queues a prepared buffer for playing (WAVERR_UNPREPARED otherwise).
    virtual MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header) = 0;
    // Stops playing and returns every queued buffer as done.
    virtual MMRESULT waveOutReset(HWAVEOUT device) = 0;
    // WAVERR_STILLPLAYING while buffers are queued.
    virtual MMRESULT waveOutClose(HWAVEOUT device) = 0;

    virtual quint32 waveInGetNumDevs() const = 0;
    virtual MMRESULT waveInGetDevCaps(quint32 deviceId, WAVEINCAPS* caps) const = 0;
    virtual MMRESULT waveInOpen(HWAVEIN* handle, quint32 deviceId, const WAVEFORMATEX* format,
                                QObject* callbackWindow, quintptr instance, quint32 flags) = 0;
    virtual MMRESULT waveInPrepareHeader(HWAVEIN device, WAVEHDR* header) = 0;
    virtual MMRESULT waveInUnprepareHeader(HWAVEIN device, WAVEHDR* header) = 0;
    // Queues a prepared buffer for recording; its dwBytesRecorded starts at 0.
    virtual MMRESULT waveInAddBuffer(HWAVEIN device, WAVEHDR* header) = 0;
    virtual MMRESULT waveInStart(HWAVEIN device) = 0;
    // Stops recording; the buffer being filled is returned with what it holds,
    // empty queued buffers stay queued.
    virtual MMRESULT waveInStop(HWAVEIN device) = 0;
    // Stops recording and returns every queued buffer.
    virtual MMRESULT waveInReset(HWAVEIN device) = 0;
    virtual MMRESULT waveInClose(HWAVEIN device) = 0;
};

} // namespace platform::wave
