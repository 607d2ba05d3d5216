// Wave recording of a connected call.
#include "control/wave/WaveRecording.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"
#include "control/wave/WaveDeviceId.h"
#include "platform/wave/WaveDevices.h"
#include "platform/wave/WaveNotifySink.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace platform::wave;
using platform::tapi::LONG;

namespace {

constexpr double kBufferSeconds = 0.1;

} // namespace

WaveRecState& WaveRecState::process()
{
    static WaveRecState state;
    return state;
}

// --- The control's methods --------------------------------------------------------

void Lintaro::WaveRecStart(const QString& CFileName)
{
    d->recording.WaveRecStart(CFileName);
}

QVariant Lintaro::WaveRecStop()
{
    return d->recording.WaveRecStop();
}

// --- Recording ------------------------------------------------------------------------

WaveRecording::WaveRecording(LintaroPrivate& d)
    : d(d), ws(WaveRecState::process()), Command2(new WaveNotifySink(d.q))
{
    Command2->setObjectName(u"Command2"_s);
}

WaveRecording::~WaveRecording()
{
    controlShuttingDown();
}

void WaveRecording::controlShuttingDown()
{
    // Nothing could end a recording that still runs: its file is finished and
    // the device let go of, without an event.
    detachSink();
    StopWaveIn();
    ws.active = false;
}

WAVEFORMATEX WaveRecording::recordingFormat()
{
    WAVEFORMATEX format;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = 8000;
    format.nAvgBytesPerSec = 16000;
    format.nBlockAlign = 2;
    format.wBitsPerSample = 16;
    // Not the count of extra bytes (there are none) but what every recording
    // has carried: files written before hold the same 18 bytes.
    format.cbSize = 18;
    return format;
}

void WaveRecording::WaveRecStart(const QString& CFileName)
{
    if (d.st.callStateText != u"CONNECTED"_s) {
        d.RaiseTapiMessage(LintaroCode::WAVEONLY_ON_CONNECTED, u"Waverec"_s);
        return;
    }
    if (ws.active) {
        d.RaiseTapiMessage(LintaroCode::WAVEREC_ALREADY_ACTIV, u"WaveRecStart"_s);
        return;
    }
    const std::optional<quint8> deviceId = lineWaveDeviceId(d, "wave/in");
    if (!deviceId)
        return;
    ws.fileName = CFileName;
    const qint32 created = CreateWaveFile(CFileName);
    if (created != LintaroCode::SUCCESS) {
        d.RaiseTapiMessage(created, u"CreateWaveFile"_s);
        return;
    }
    attachSink();
    if (!StartWaveIn(*deviceId)) {
        detachSink();
        return;
    }
    ws.active = true;
    emit d.q->OnWaveRecStart(CFileName);
}

QVariant WaveRecording::WaveRecStop()
{
    if (!ws.active)
        return QVariant();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    StopWaveIn();
    QGuiApplication::restoreOverrideCursor();
    detachSink();
    ws.active = false;
    const QString fileName = ws.fileName;
    emit d.q->OnWaveRecStop(fileName);
    return QVariant();
}

bool WaveRecording::deviceOpen() const
{
    return ws.device != HWAVEIN{};
}

qint32 WaveRecording::CreateWaveFile(const QString& name)
{
    MMIOINFO info{};
    HMMIO file = mmioOpen(name, &info, MMIO_CREATE | MMIO_WRITE);
    if (!file)
        return qint32(info.wErrorRet);
    ws.format = recordingFormat();
    ws.writeFailed = false;
    // A file that did not get its whole header is of no use to anyone.
    const auto fail = [&](MMRESULT code) {
        mmioClose(file);
        QFile::remove(name);
        return qint32(code);
    };
    ws.riff = MMCKINFO{};
    ws.riff.fccType = mmioStringToFOURCC("WAVE");
    if (const MMRESULT r = mmioCreateChunk(file, &ws.riff, MMIO_CREATERIFF))
        return fail(r);
    MMCKINFO fmt{};
    fmt.ckid = mmioStringToFOURCC("fmt ");
    fmt.cksize = WAVEFORMATEX::kSize;
    if (const MMRESULT r = mmioCreateChunk(file, &fmt, 0))
        return fail(r);
    const QByteArray format = ws.format.toBytes();
    if (mmioWrite(file, format.constData(), qint32(format.size())) != format.size())
        return fail(MMIOERR_CANNOTWRITE);
    // "fmt " has its exact size already: "data" follows it directly.
    ws.data = MMCKINFO{};
    ws.data.ckid = mmioStringToFOURCC("data");
    if (const MMRESULT r = mmioCreateChunk(file, &ws.data, 0))
        return fail(r);
    ws.file = file;
    return LintaroCode::SUCCESS;
}

bool WaveRecording::StartWaveIn(quint8 deviceId)
{
    if (ws.recording)
        return false;
    ws.bufferSize = waveBlockBytes(ws.format.nSamplesPerSec, ws.format.nBlockAlign,
                                   ws.format.nChannels, kBufferSeconds);
    for (size_t i = 0; i < ws.headers.size(); ++i) {
        ws.buffers[i].assign(ws.bufferSize, 0);
        ws.headers[i] = WAVEHDR{};
        ws.headers[i].lpData = ws.buffers[i].data();
        ws.headers[i].dwBufferLength = ws.bufferSize;
    }
    ws.queued.clear();

    HWAVEIN device{};
    MMRESULT r = d.wave.waveInOpen(&device, deviceId, &ws.format, Command2, 0, CALLBACK_WINDOW);
    if (r != MMSYSERR_NOERROR) {
        d.RaiseTapiMessage(LONG(r), u"WaveInOpen"_s);
        finishFile();
        return false;
    }
    ws.device = device;
    for (WAVEHDR& header : ws.headers) {
        r = d.wave.waveInPrepareHeader(device, &header);
        if (r != MMSYSERR_NOERROR) {
            d.RaiseTapiMessage(LONG(r), u"waveInPrepareHeader"_s);
            abandonStart();
            return false;
        }
    }
    // addData. The buffers are still zero here: every recording begins with
    // 0.5 s of silence.
    for (WAVEHDR& header : ws.headers) {
        r = d.wave.waveInAddBuffer(device, &header);
        append(header.lpData, ws.bufferSize, u"addData"_s);
        if (r != MMSYSERR_NOERROR) {
            d.RaiseTapiMessage(LONG(r), u"addData"_s);
            abandonStart();
            return false;
        }
        ws.queued.push_back(&header);
    }
    ws.recording = true;
    r = d.wave.waveInStart(device);
    if (r != MMSYSERR_NOERROR) {
        // Not left recording: a later WaveRecStart must be able to start.
        ws.recording = false;
        d.RaiseTapiMessage(LONG(r), u"WaveInStart"_s);
        abandonStart();
        return false;
    }
    return true;
}

void WaveRecording::dataHandler(quint32 message, quint32 device, WAVEHDR* header)
{
    if (message == MM_WIM_DATA && HWAVEIN(device) == ws.device)
        addWaveInBuffer(header);
}

void WaveRecording::addWaveInBuffer(WAVEHDR* header)
{
    if (!ws.recording)
        return;
    // Each notification names the buffer the device has just filled; they
    // come in the order the device filled them.
    const auto it = std::find(ws.queued.begin(), ws.queued.end(), header);
    if (it == ws.queued.end() || !(header->dwFlags & WHDR_DONE))
        return;
    ws.queued.erase(it);
    // Copied before it goes back to the device, so the device cannot refill
    // it first and a buffer that cannot be queued again is not lost.
    append(header->lpData, recordedBytes(*header), u"addWaveInBuffer"_s);
    const MMRESULT r = d.wave.waveInAddBuffer(ws.device, header);
    if (r != MMSYSERR_NOERROR) {
        // Recording goes on with the buffers still queued.
        d.RaiseTapiMessage(LONG(r), u"addWaveInBuffer"_s);
        return;
    }
    ws.queued.push_back(header);
}

void WaveRecording::StopWaveIn()
{
    if (!ws.recording)
        return;
    ws.recording = false;
    d.wave.waveInReset(ws.device);
    d.wave.waveInStop(ws.device);
    // Every buffer is back now. Those whose notification has not been handled
    // yet, and the one the device was filling, still belong to the recording,
    // in the order they were filled.
    for (WAVEHDR* header : ws.queued) {
        if (header->dwFlags & WHDR_DONE)
            append(header->lpData, recordedBytes(*header), u"addWaveInBuffer"_s);
    }
    ws.queued.clear();
    releaseDevice();
    finishFile();
}

quint32 WaveRecording::recordedBytes(const WAVEHDR& header) const
{
    // Whole samples only: a buffer given back part-filled may end inside one.
    const quint32 bytes = std::min(header.dwBytesRecorded, ws.bufferSize);
    return bytes - bytes % std::max<quint32>(ws.format.nBlockAlign, 1);
}

void WaveRecording::append(const char* bytes, quint32 count, const QString& origin)
{
    if (!ws.file || count == 0)
        return;
    if (mmioWrite(ws.file, bytes, qint32(count)) == qint32(count) || ws.writeFailed)
        return;
    ws.writeFailed = true;
    d.RaiseTapiMessage(LONG(MMIOERR_CANNOTWRITE), origin);
}

void WaveRecording::abandonStart()
{
    d.wave.waveInReset(ws.device);
    ws.queued.clear();
    releaseDevice();
    finishFile();
}

void WaveRecording::releaseDevice()
{
    for (WAVEHDR& header : ws.headers)
        d.wave.waveInUnprepareHeader(ws.device, &header);
    d.wave.waveInClose(ws.device);
    for (size_t i = 0; i < ws.headers.size(); ++i) {
        ws.headers[i] = WAVEHDR{};
        ws.buffers[i] = std::vector<char>();
    }
}

void WaveRecording::finishFile()
{
    if (!ws.file)
        return;
    // Ascending out of "data" writes its size, out of the form the file's.
    // The first failure is reported and ends the work on the file.
    for (MMCKINFO* chunk : {&ws.data, &ws.riff}) {
        if (const MMRESULT r = mmioAscend(ws.file, chunk); r != MMSYSERR_NOERROR) {
            d.RaiseTapiMessage(LONG(r), u"mmioAscend"_s);
            break;
        }
    }
    mmioClose(ws.file);
    ws.file = nullptr;
}

void WaveRecording::attachSink()
{
    detachSink();
    m_sinkConnection = QObject::connect(Command2, &WaveNotifySink::waveMessage, Command2,
                                        [this](quint32 message, quint32 device, WAVEHDR* header) {
                                            dataHandler(message, device, header);
                                        });
}

void WaveRecording::detachSink()
{
    QObject::disconnect(m_sinkConnection);
    m_sinkConnection = {};
}
