#include "Dialling.h"

#include "app/core/ListView.h"
#include "app/core/PanelStatusBar.h"
#include "app/core/frmHaupt.h"
#include "app/core/modOptionen.h"
#include "app/localdata/modRegistry.h"
#include "control/line/Lintaro.h"
#include "platform/ui/UserInterface.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace fonkel {

namespace {

const QString LocationsKey =
    QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations");

} // namespace

Dialling::Dialling(frmHaupt& window, Lintaro& control, modOptionen& options,
                   const platform::settings::Registry& registry, QObject* parent)
    : QObject(parent), m_window(window), m_control(control), m_options(options),
      m_registry(registry)
{
    connect(window.mnuNummerAnwaehlen, &QAction::triggered, this, &Dialling::DialCallerListEntry);
    connect(window.mnuAehnlicheNummerAnwaehlen, &QAction::triggered, this,
            &Dialling::DialSimilarContact);
    connect(window.mnuTapiEinstellungen, &QAction::triggered, this, &Dialling::ConfigDialog);
    connect(window.mnuTapiWaehlregeln, &QAction::triggered, this, &Dialling::TranslateDialog);
}

QString Dialling::OutsideAccess() const
{
    using platform::settings::RootKey;
    const int location = GetRegistryValue(m_registry, RootKey::LocalMachine, LocationsKey,
                                          QStringLiteral("CurrentID"))
                             .toInt();
    if (location <= 0)
        return QString();
    return GetRegistryValue(m_registry, RootKey::LocalMachine,
                            LocationsKey + QStringLiteral("\\Location") + QString::number(location),
                            QStringLiteral("OutsideAccess"))
        .toString();
}

int Dialling::selectedAddress() const
{
    return m_window.cbxAddress->currentIndex();
}

void Dialling::DialCallerListEntry()
{
    ListView& list = *m_window.lvNummern;
    if (list.count() == 0)
        return;
    const ListItem* entry = list.selectedEntry();
    // Nothing selected: nothing to dial (the list always has a selection
    // once an entry was chosen or a call came in).
    if (!entry)
        return;
    const QString number = OutsideAccess() + entry->text();
    m_window.panel(1)->setText(QStringLiteral("Wähle ") + number);
    m_window.Text1->setToolTip(QStringLiteral("Gewählte Nummer: ") + number);
    QCoreApplication::processEvents();
    m_control.setTAPI_LINEADDRESSMODE(
        qRound(m_options.ReadOption(QStringLiteral("DialLineAdressMode")).toDouble()));
    int address = selectedAddress();
    m_control.TapiLineDial(number, address);
}

void Dialling::DialSimilarContact()
{
    ListView& list = *m_window.lvKontakte;
    if (list.count() == 0)
        return;
    m_control.setTAPI_LINEADDRESSMODE(1);
    const ListItem* entry = list.selectedEntry();
    QString number = entry ? entry->text() : QString();
    if (number.isEmpty()) {
        m_window.ui().inform(QStringLiteral("Es ist keine Nummer vorhanden."),
                             QStringLiteral("Fonkel"), platform::ui::Icon::Information);
        return;
    }
    const qsizetype bracket = number.indexOf(u']');
    if (bracket >= 0)
        number = number.mid(bracket + 2);
    int address = selectedAddress();
    m_control.TapiLineDial(number, address);
}

void Dialling::ConfigDialog()
{
    m_control.TapiLineConfigDialog();
}

void Dialling::TranslateDialog()
{
    m_control.TapiLineTranslateDialog(m_control.deviceId());
}

} // namespace fonkel
