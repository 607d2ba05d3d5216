// The control object: construction and destruction, the container side
// (design mode, log location) and its appearance.
#include "control/line/Lintaro.h"

#include "control/line/LintaroDevices.h"
#include "control/line/LintaroPrivate.h"

#include <QPainter>
#include <QPixmap>

#include <atomic>

using namespace Qt::StringLiterals;

namespace {

// The control draws itself as its 32 x 32 icon (480 x 480 twips) and keeps
// that size.
constexpr int kSidePixels = 32;

std::atomic<int> g_instances{0};

std::unique_ptr<LintaroDevices> ownDevices()
{
    QString error;
    std::unique_ptr<LintaroDevices> devices = LintaroDevices::create(QString(), &error);
    if (!devices->hasProvider())
        qWarning("Lintaro: no telephony provider: %s", qPrintable(error));
    return devices;
}

} // namespace

LintaroPrivate::LintaroPrivate(Lintaro* q, platform::tapi::TelephonyService& telephony,
                               platform::wave::WaveDevices& wave, const LintaroOptions& options,
                               std::unique_ptr<LintaroDevices> devices)
    : q(q), ownDevices(std::move(devices)), tapi(telephony), wave(wave), st(TapiState::process()),
      vexVersion(u"1.1"_s), relays(*this), log(options.logDirectory), calls(*this), reports(*this),
      phone(*this), playback(*this), recording(*this)
{
    // What a new object starts from; the phone handles, the call slots and the
    // wave records keep what the process holds.
    st.lineOpen = false;
    st.newCall = 0;
    st.currentCall = 0;
    st.offeredCall = 0;
    st.heldCall = 0;
    st.pendingRingMode = 0;
    st.pendingMessageName.clear();
    st.callStateText.clear();
    st.pendingNumber.clear();
    st.hInstance = 0;
    st.hLineApp = 0;
    st.hLine = 0;
    st.lineDeviceCount = 0;
    // A device table of an earlier registration means nothing without it.
    st.lineDevices.clear();
    st.debugMask = debugLevel;
}

LintaroPrivate::~LintaroPrivate() = default;

Lintaro::Lintaro(platform::tapi::TelephonyService& telephony, platform::wave::WaveDevices& wave,
                 const LintaroOptions& options, QWidget* parent)
    : QWidget(parent), d(std::make_unique<LintaroPrivate>(this, telephony, wave, options))
{
    setFixedSize(kSidePixels, kSidePixels);
    if (g_instances.fetch_add(1) > 0)
        qWarning("Lintaro: a second control in one process shares the telephony state");
}

Lintaro::Lintaro(QWidget* parent) : QWidget(parent)
{
    std::unique_ptr<LintaroDevices> devices = ownDevices();
    platform::tapi::TelephonyService& telephony = devices->telephony();
    platform::wave::WaveDevices& wave = devices->wave();
    d = std::make_unique<LintaroPrivate>(this, telephony, wave, LintaroOptions{},
                                         std::move(devices));
    setFixedSize(kSidePixels, kSidePixels);
    if (g_instances.fetch_add(1) > 0)
        qWarning("Lintaro: a second control in one process shares the telephony state");
}

Lintaro::~Lintaro()
{
    d->destroy();
    d.reset();
    g_instances.fetch_sub(1);
}

void Lintaro::setDesignMode(bool design)
{
    d->designMode = design;
}

bool Lintaro::designMode() const
{
    return d->designMode;
}

QString Lintaro::logFilePath() const
{
    return d->log.filePath();
}

QSize Lintaro::sizeHint() const
{
    return QSize(kSidePixels, kSidePixels);
}

void Lintaro::paintEvent(QPaintEvent*)
{
    const QPixmap icon(u":/lintaro/lintaro-32.png"_s); // cached by QPixmap
    QPainter painter(this);
    painter.drawPixmap(0, 0, icon);
}
