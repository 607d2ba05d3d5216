// Wave playback into a connected call.
#include "control/wave/WavePlayback.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"
#include "control/wave/WaveDeviceId.h"
#include "platform/wave/WaveDevices.h"
#include "platform/wave/WaveMessageEvent.h"
#include "platform/wave/WaveNotifySink.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace platform::wave;
using platform::tapi::LONG;

namespace {

// The "fmt " chunk is read into an area of this size; of a longer chunk only
// this much is read (the format needs the first 18 bytes).
constexpr qint32 kFormatArea = 50;
constexpr int kTimerMs = 50;
constexpr double kBlockSeconds = 0.3;

} // namespace

WavePlayState& WavePlayState::process()
{
    static WavePlayState state;
    return state;
}

// --- The control's methods --------------------------------------------------------

void Lintaro::WavePlayStop()
{
    d->playback.WavePlayStop();
}

void Lintaro::WavePlayStart(const QString& CFileName)
{
    d->playback.WavePlayStart(CFileName);
}

// --- Playback -------------------------------------------------------------------------

WavePlayback::WavePlayback(LintaroPrivate& d)
    : d(d), ws(WavePlayState::process()), tmrWavePlay(new QTimer(d.q)),
      Command1(new WaveNotifySink(d.q))
{
    tmrWavePlay->setObjectName(u"tmrWavePlay"_s);
    tmrWavePlay->setInterval(kTimerMs);
    QObject::connect(tmrWavePlay, &QTimer::timeout, tmrWavePlay, [this] { tmrWavePlayTimer(); });
    Command1->setObjectName(u"Command1"_s);
}

WavePlayback::~WavePlayback()
{
    QObject::disconnect(tmrWavePlay, nullptr, tmrWavePlay, nullptr);
    tmrWavePlay->stop();
    detachSink();
    ws.playing = false;
    endPlayback();
}

void WavePlayback::WavePlayStart(const QString& CFileName)
{
    if (d.st.callStateText != u"CONNECTED"_s) {
        d.RaiseTapiMessage(LintaroCode::WAVEONLY_ON_CONNECTED, u"WavePlay"_s);
        return;
    }
    if (ws.busy) {
        d.RaiseTapiMessage(LintaroCode::WAVEPLAY_ALREADY_ACTIV, u"WavePlayStart"_s);
        return;
    }
    const std::optional<quint8> deviceId = lineWaveDeviceId(d, "wave/out");
    if (!deviceId)
        return;
    ws.deviceId = *deviceId;
    OpenWaveFile(CFileName);
    if (!ws.loaded) {
        d.RaiseTapiMessage(LintaroCode::ERROR_LOAD_WAVEFILE, u"LoadWaveFile"_s);
        return;
    }
    ws.fileName = CFileName;
    tmrWavePlay->start();
    attachSink();
    StartWaveOut(ws.deviceId);
}

void WavePlayback::WavePlayStop()
{
    StopWaveOut();
}

bool WavePlayback::outputActive() const
{
    return ws.device != HWAVEOUT{};
}

quint32 WavePlayback::outputHandle() const
{
    return quint32(ws.device);
}

void WavePlayback::releaseTimer()
{
    tmrWavePlay->stop();
}

void WavePlayback::OpenWaveFile(const QString& name)
{
    closeFile();
    if (name.isEmpty())
        return;

    MMIOINFO info{};
    HMMIO file = mmioOpen(name, &info, MMIO_READ);
    if (!file) {
        d.RaiseTapiMessage(LONG(info.wErrorRet), u"OpenWaveFile"_s);
        return;
    }
    const auto fail = [&](LONG code) {
        mmioClose(file);
        d.RaiseTapiMessage(code, u"OpenWaveFile"_s);
    };

    MMCKINFO riff{};
    riff.fccType = mmioStringToFOURCC("WAVE");
    if (const MMRESULT r = mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF))
        return fail(LONG(r));
    MMCKINFO fmt{};
    fmt.ckid = mmioStringToFOURCC("fmt ");
    if (const MMRESULT r = mmioDescend(file, &fmt, &riff, MMIO_FINDCHUNK))
        return fail(LONG(r));
    // A chunk shorter than 18 bytes (PCM often has 16) leaves the rest zero.
    std::array<char, kFormatArea> area{};
    const qint32 wanted = qint32(std::min<quint32>(fmt.cksize, kFormatArea));
    if (mmioRead(file, area.data(), wanted) != wanted)
        return fail(-1);
    mmioAscend(file, &fmt);
    const WAVEFORMATEX format = WAVEFORMATEX::fromBytes(area.data(), WAVEFORMATEX::kSize);

    // "data" may come before or after "fmt ": it is looked for from the
    // beginning of the form.
    if (mmioSeek(file, qint32(riff.dwDataOffset + 4), SEEK_SET) < 0)
        return fail(LONG(MMIOERR_CANNOTSEEK));
    MMCKINFO data{};
    data.ckid = mmioStringToFOURCC("data");
    if (const MMRESULT r = mmioDescend(file, &data, &riff, MMIO_FINDCHUNK))
        return fail(LONG(r));

    const quint32 bufferSize =
        waveBlockBytes(format.nSamplesPerSec, format.nBlockAlign, format.nChannels, kBlockSeconds);
    if (bufferSize == 0)
        return fail(LONG(MMIOERR_CANNOTREAD)); // a format no block can be made of

    ws.file = file;
    ws.format = format;
    ws.dataStart = quint32(mmioSeek(file, 0, SEEK_CUR));
    ws.dataSize = data.cksize;
    ws.bufferSize = bufferSize;
    for (std::vector<char>& buffer : ws.buffers)
        buffer.assign(bufferSize, 0);
    ws.loaded = true;
}

void WavePlayback::StartWaveOut(quint8 deviceId)
{
    if (ws.playing)
        return;
    HWAVEOUT device{};
    MMRESULT r = d.wave.waveOutOpen(&device, deviceId, &ws.format, Command1, 0, CALLBACK_WINDOW);
    if (r != MMSYSERR_NOERROR) {
        d.RaiseTapiMessage(LONG(r), u"WaveOutOpen"_s);
        return;
    }
    ws.device = device;
    for (size_t i = 0; i < ws.headers.size(); ++i) {
        WAVEHDR& header = ws.headers[i];
        header = WAVEHDR{};
        header.lpData = ws.buffers[i].data();
        header.dwBufferLength = ws.bufferSize;
        r = d.wave.waveOutPrepareHeader(device, &header);
        if (r != MMSYSERR_NOERROR)
            d.RaiseTapiMessage(LONG(r), u"waveOutPrepareHeader"_s);
    }
    ws.playing = true;
    ws.busy = true;
    // Both blocks start out as if the device had just given them back.
    for (WAVEHDR& header : ws.headers)
        QCoreApplication::postEvent(Command1, new WaveMessageEvent(MM_WOM_DONE, device, &header));
}

void WavePlayback::WaveOutNotify(quint32 message, quint32 device, WAVEHDR* header)
{
    // Notifications of an earlier opening (blocks a stop took back) are no
    // longer this playback's.
    if (ws.device == HWAVEOUT{} || HWAVEOUT(device) != ws.device)
        return;
    if (message == MM_WOM_OPEN) {
        d.relays.lblWavePlStart->setText(ws.fileName);
        d.relays.lblWavePlStart->setText(kSentinelText);
        return;
    }
    if (message != MM_WOM_DONE || (header != &ws.headers[0] && header != &ws.headers[1]))
        return;
    if (ws.playing)
        writeNextBlock(header);
    else
        releaseOutputWhenPlayed();
}

void WavePlayback::writeNextBlock(WAVEHDR* header)
{
    const qint64 position = mmioSeek(ws.file, 0, SEEK_CUR);
    const qint64 left = position < 0 ? 0 : qint64(ws.dataStart) + ws.dataSize - position;
    qint32 count = 0;
    if (ws.bufferSize < left) {
        count = qint32(ws.bufferSize);
    } else {
        count = qint32(std::max<qint64>(left, 0));
        ws.playing = false;
    }
    const qint32 read = count > 0 ? mmioRead(ws.file, header->lpData, count) : 0;
    if (read <= 0) {
        // Nothing more to play (an empty "data" chunk, or the file can no
        // longer be read): the blocks in the device finish the playback.
        ws.playing = false;
        releaseOutputWhenPlayed();
        return;
    }
    if (read < count)
        ws.playing = false;
    header->dwBufferLength = quint32(read);
    if (const MMRESULT r = d.wave.waveOutWrite(ws.device, header); r != MMSYSERR_NOERROR) {
        ws.playing = false;
        d.RaiseTapiMessage(LONG(r), u"waveOutWrite"_s);
        releaseOutputWhenPlayed();
        return;
    }
    QCoreApplication::processEvents();
}

void WavePlayback::tmrWavePlayTimer()
{
    // Still streaming, or the device is still playing the last blocks.
    if (ws.playing || (ws.device != HWAVEOUT{} && deviceHoldsBlocks()))
        return;
    tmrWavePlay->stop();
    endPlayback();
    // Raised last, with everything closed: a host may start the next file
    // from its handler.
    const QString fileName = ws.fileName;
    emit d.q->OnWavePlayDone(fileName);
}

void WavePlayback::StopWaveOut()
{
    if (!ws.playing && ws.device == HWAVEOUT{})
        return;
    ws.playing = false;
    endPlayback();
    // tmrWavePlay stays on: its next tick raises OnWavePlayDone, unless a new
    // playback has started by then.
}

void WavePlayback::endPlayback()
{
    if (ws.device != HWAVEOUT{})
        closeOutput();
    closeFile();
    detachSink();
    ws.busy = false;
}

void WavePlayback::releaseOutputWhenPlayed()
{
    if (ws.playing || deviceHoldsBlocks())
        return;
    closeOutput();
    detachSink();
    ws.loaded = false;
}

bool WavePlayback::deviceHoldsBlocks() const
{
    return std::any_of(ws.headers.begin(), ws.headers.end(),
                       [](const WAVEHDR& h) { return (h.dwFlags & WHDR_INQUEUE) != 0; });
}

void WavePlayback::closeOutput()
{
    // Results are not looked at: the device is let go of in any case.
    d.wave.waveOutReset(ws.device);
    for (WAVEHDR& header : ws.headers)
        d.wave.waveOutUnprepareHeader(ws.device, &header);
    d.wave.waveOutClose(ws.device);
    ws.device = HWAVEOUT{};
}

void WavePlayback::closeFile()
{
    if (ws.file) {
        mmioClose(ws.file);
        ws.file = nullptr;
    }
    ws.loaded = false;
}

void WavePlayback::attachSink()
{
    detachSink();
    m_sinkConnection = QObject::connect(Command1, &WaveNotifySink::waveMessage, Command1,
                                        [this](quint32 message, quint32 device, WAVEHDR* header) {
                                            WaveOutNotify(message, device, header);
                                        });
}

void WavePlayback::detachSink()
{
    QObject::disconnect(m_sinkConnection);
    m_sinkConnection = {};
}
