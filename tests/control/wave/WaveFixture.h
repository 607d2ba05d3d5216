#pragma once

#include "RecordingWaveDevices.h"
#include "TapiTestSupport.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "platform/wave/SimWaveDevices.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

#include <memory>
#include <ostream>
#include <vector>

class LintaroEventMonitor;

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Reaches the control's implementation (the class names this as a friend).
class LintaroTestAccess {
public:
    static LintaroPrivate& d(Lintaro& control) { return *control.d; }
};

namespace wavetest {

using namespace platform::tapi;

// Bytes of 16-bit samples that differ from one sample to the next, so that
// a block out of place or lost shows.
QByteArray ramp16(int bytes, int seed = 0);

// Expects the samples recorded after the leading silence to be every whole
// sample the input device delivered (a buffer it gave back part-filled may
// end in half a sample, which is not written), in order.
void expectAllCaptured(const QByteArray& recorded, const QByteArray& captured);

// The control on the simulated exchange and the simulated wave devices of its
// lines, with one trace, in order, of what a test watches: the control's
// events ("OnWavePlayDone(\"/tmp/a.wav\")"), the calls it makes to the wave
// devices ("waveOutWrite 4800") and the ticks of its playback timer ("tick",
// written after the control has handled the tick).
class WaveFixture : public tapitest::SimFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    void makeControl();
    void destroyControl();

    // TapiLineInit and TapiLineOpen of the line, then a call offered on it
    // and picked up at the phone: the call state is CONNECTED. The trace is
    // cleared afterwards.
    CallKey connectCall(DWORD line = 0);
    // A call offered on the open line and picked up at the phone; the events
    // and the trace are cleared afterwards.
    CallKey answerNewCall(DWORD line = 0);
    // Waits until the control has raised the event `count` times.
    bool waitForEvent(const QString& name, int count = 1) const;

    QString filePath(const QString& name) const;
    // A RIFF/WAVE file of PCM 8000 Hz, 16 bit, mono with these samples.
    QString writeWav(const QString& name, const QByteArray& samples);

    // The events raised, by name in order; the OnTapiMessage events as
    // "name|origin|code".
    QStringList eventNames() const;
    QStringList messages() const;
    int count(const QString& event) const { return int(eventNames().count(event)); }
    // Entries of the trace that start with prefix, or their index.
    QStringList traced(const QString& prefix) const;
    qsizetype indexInTrace(const QString& entry, qsizetype from = 0) const;
    // The sizes of the blocks written to the output device, in order.
    std::vector<int> blocksWritten() const;

    platform::wave::SimWaveOutDevice* output() const { return m_sim->outputDevice(0); }
    platform::wave::SimWaveInDevice* input() const { return m_sim->inputDevice(0); }
    LintaroPrivate& priv() { return LintaroTestAccess::d(*m_control); }
    QTimer* playTimer() const;

    struct Event {
        QString name;
        QVariantList args;
    };
    std::vector<Event> m_events;
    QStringList m_trace;
    QTemporaryDir m_files;
    std::unique_ptr<platform::wave::SimWaveDevices> m_sim;
    std::unique_ptr<RecordingWaveDevices> m_devices;
    std::unique_ptr<Lintaro> m_control;
};

} // namespace wavetest
