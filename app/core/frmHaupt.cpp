#include "frmHaupt.h"

#include "ListRoutines.h"
#include "ListView.h"
#include "PanelStatusBar.h"
#include "PictureBox.h"
#include "TapiButton.h"
#include "Twips.h"
#include "WindowTimer.h"

#include "app/localdata/clFonkelDaten.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace fonkel {

using twips::fromPixels;
using twips::toPixels;

namespace {

QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), std::max(0, toPixels(width)),
                 std::max(0, toPixels(height)));
}

// Text1 and Text2 are read-only text boxes that serve as captions.
QLineEdit* captionBox(const QString& name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
    return box;
}

} // namespace

frmHaupt::frmHaupt(platform::ui::UserInterface& ui, QWidget* parent) : QMainWindow(parent), m_ui(ui)
{
    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(DesignCaption);
    setWindowIcon(ilTelefone.icon(QStringLiteral("aktiv")));
    createControls();
    createMenus();
    connectCommands();
    placeFixedControls();
    setMinimumSize(toPixels(m_design.minimumWidth), toPixels(m_design.minimumHeight));
    resize(toPixels(m_design.minimumWidth), toPixels(m_design.minimumHeight));
}

frmHaupt::~frmHaupt() = default;

void frmHaupt::setFonkelDaten(std::unique_ptr<clFonkelDaten> daten)
{
    m_fonkelDaten = std::move(daten);
}

void frmHaupt::createControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    frTapi = new QGroupBox(QStringLiteral("Tapi-Gerät"), m_client);
    frTapi->setObjectName(QStringLiteral("frTapi"));
    Text1 = captionBox(QStringLiteral("Text1"), QStringLiteral("Telefon"), frTapi);
    cbxTapiDevices = new QComboBox(frTapi);
    cbxTapiDevices->setObjectName(QStringLiteral("cbxTapiDevices"));
    Text2 = captionBox(QStringLiteral("Text2"), QStringLiteral("Adresse"), frTapi);
    cbxAddress = new QComboBox(frTapi);
    cbxAddress->setObjectName(QStringLiteral("cbxAddress"));
    cmdInitTapi = new TapiButton(ilTelefone, frTapi);
    cmdInitTapi->setObjectName(QStringLiteral("cmdInitTapi"));
    cmdInitTapi->setTag(QStringLiteral("passiv"));
    cmdInitTapi->setPicture(QStringLiteral("passiv"));
    cmdInitTapi->setToolTip(QStringLiteral("Tapimonitor aktivieren"));
    LintaroSlot = new QWidget(frTapi);
    LintaroSlot->setObjectName(QStringLiteral("LintaroSlot"));
    auto* slotLayout = new QHBoxLayout(LintaroSlot);
    slotLayout->setContentsMargins(0, 0, 0, 0);
    lbID = new QLabel(frTapi);
    lbID->setObjectName(QStringLiteral("lbID"));
    lbID->setTextFormat(Qt::PlainText);
    imBanner = new PictureBox(frTapi);
    imBanner->setObjectName(QStringLiteral("imBanner"));
    imBanner->setPicture(ImageList::ilBanner().picture(1));
    imBanner->setToolTip(QStringLiteral("Informationen zum Programm"));

    frAnruferliste = new QGroupBox(QStringLiteral("Anruferliste"), m_client);
    frAnruferliste->setObjectName(QStringLiteral("frAnruferliste"));
    lvNummern = new ListView(frAnruferliste);
    lvNummern->setObjectName(QStringLiteral("lvNummern"));
    lvNummern->setSmallIcons(&ilIcons);
    lvNummern->setHeaderIcons(&ilSortierung);
    lvNummern->setColumns({QStringLiteral("Nummer"), QStringLiteral("Datum"), QStringLiteral("Ort"),
                           QStringLiteral("Kontakt")});

    frAehnliche =
        new QGroupBox(QStringLiteral("Kontakte in ACT! mit ähnlicher Telefonnummer"), m_client);
    frAehnliche->setObjectName(QStringLiteral("frAehnliche"));
    lvKontakte = new ListView(frAehnliche);
    lvKontakte->setObjectName(QStringLiteral("lvKontakte"));
    lvKontakte->setSmallIcons(&ilIcons);
    lvKontakte->setHeaderIcons(&ilSortierung);
    lvKontakte->setColumns(
        {QStringLiteral("Nummer"), QStringLiteral("Kontakt"), QStringLiteral("Firma")});

    StatusBar = new PanelStatusBar(ilIcons, this);
    setStatusBar(StatusBar);
    StatusBar->panel(4)->narrowToPicture();

    TimerACT = new WindowTimer(this);
    TimerACT->setObjectName(QStringLiteral("TimerACT"));
}

void frmHaupt::placeFixedControls()
{
    const frmHauptDesign& d = m_design;
    frTapi->setGeometry(pixelRect(d.margin, d.tapiTop, 7335, d.tapiHeight));
    Text1->setGeometry(pixelRect(120, 330, 900, 300));
    cbxTapiDevices->setGeometry(pixelRect(1080, 300, 3000, 330));
    Text2->setGeometry(pixelRect(120, 750, 900, 300));
    cbxAddress->setGeometry(pixelRect(1080, 720, 3000, 330));
    cmdInitTapi->setGeometry(pixelRect(4260, 300, 720, 720));
    LintaroSlot->setGeometry(pixelRect(5100, 420, 480, 480));
    lbID->setGeometry(pixelRect(120, 1080, 5400, 240));
    imBanner->setGeometry(pixelRect(5775, d.bannerTop, d.bannerWidth, d.bannerHeight));

    frAnruferliste->setGeometry(pixelRect(d.margin, d.anruferlisteTop, 7335, 2400));
    lvNummern->setGeometry(pixelRect(d.listLeft, d.listTop, 7095, 1920));
    frAehnliche->setGeometry(pixelRect(d.margin, 4000, 7335, 1600));
    lvKontakte->setGeometry(pixelRect(d.listLeft, d.listTop, 7095, 1120));
}

StatusPanel* frmHaupt::panel(int index) const
{
    return StatusBar->panel(index);
}

void frmHaupt::LayoutWindow()
{
    // Restores the timer's state afterwards instead of switching it on: work
    // that stopped it (an identification, a search) must not find it running.
    const bool timerWasEnabled = TimerACT->isEnabled();
    TimerACT->setEnabled(false);
    if (!isMinimized()) {
        const QSize minimum(toPixels(m_design.minimumWidth), toPixels(m_design.minimumHeight));
        if (width() < minimum.width() || height() < minimum.height())
            resize(size().expandedTo(minimum));

        const int statusHeight = StatusBar->isVisible() ? StatusBar->height() : 0;
        frmHauptLayoutInput input;
        input.innerWidth = fromPixels(m_client->width());
        input.innerHeight = fromPixels(m_client->height() + statusHeight);
        input.statusBarHeight = fromPixels(statusHeight);
        input.autoNummern = mnuAutoNummern->isChecked();
        const frmHauptLayoutResult r = computeHauptLayout(input, m_design);

        for (int i = 1; i <= 3; ++i)
            panel(i)->setFixedWidth(std::max(0, toPixels(r.panelWidth)));
        const int frameWidth = std::max(0, toPixels(r.frameWidth));
        frTapi->resize(frameWidth, frTapi->height());
        imBanner->move(toPixels(r.bannerLeft), imBanner->y());
        frAnruferliste->resize(frameWidth, std::max(0, toPixels(r.anruferlisteHeight)));
        frAehnliche->setGeometry(
            pixelRect(m_design.margin, r.aehnlicheTop, r.frameWidth,
                      r.aehnlicheVisible ? r.aehnlicheHeight : fromPixels(frAehnliche->height())));
        frAehnliche->setVisible(r.aehnlicheVisible);
        const int listWidth = std::max(0, toPixels(r.listWidth));
        lvNummern->resize(listWidth, std::max(0, toPixels(r.nummernHeight)));
        if (r.aehnlicheVisible)
            lvKontakte->resize(listWidth, std::max(0, toPixels(r.kontakteHeight)));
        else
            lvKontakte->resize(listWidth, lvKontakte->height());
    }
    TimerACT->setEnabled(timerWasEnabled);
}

void frmHaupt::SetupColumns()
{
    constexpr int ScrollBarAllowance = 24;
    for (ListView* list : {lvNummern, lvKontakte}) {
        const int columns = list->columnCount();
        if (columns == 0)
            continue;
        const int width = std::max(0, (list->width() - ScrollBarAllowance) / columns);
        for (int column = 0; column < columns; ++column)
            list->setColumnWidth(column, width);
    }
    const int datum = lvNummern->columnOfKey(QStringLiteral("Datum"));
    if (datum >= 0)
        lvNummern->setColumnWidth(datum, lvNummern->columnWidth(datum) + 3);
}

QRect frmHaupt::geometryInTwips() const
{
    return QRect(fromPixels(x()), fromPixels(y()), fromPixels(width()), fromPixels(height()));
}

void frmHaupt::setGeometryInTwips(const QRect& twips)
{
    move(toPixels(twips.left()), toPixels(twips.top()));
    resize(toPixels(twips.width()), toPixels(twips.height()));
}

int frmHaupt::ColumnSubItemIndex(const QString& key) const
{
    return fonkel::ColumnSubItemIndex(*lvNummern, key);
}

void frmHaupt::setLintaroControl(QWidget* control)
{
    if (m_lintaro == control)
        return;
    delete m_lintaro;
    m_lintaro = control;
    if (control)
        LintaroSlot->layout()->addWidget(control);
}

void frmHaupt::closeEvent(QCloseEvent* event)
{
    if (m_closeHandler)
        m_closeHandler();
    QMainWindow::closeEvent(event);
}

bool frmHaupt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        LayoutWindow();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace fonkel
