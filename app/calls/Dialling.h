#pragma once

#include <QObject>
#include <QString>

class Lintaro;

namespace platform::settings {
class Registry;
}

namespace fonkel {

class frmHaupt;
class modOptionen;

// Dialling back from the main window's lists through the telephony control,
// and the telephony service's own dialogs ("Treiber &Einstellungen",
// "&Wählregeln"). The outcome of each control operation reaches the window
// as the control's OnTapiMessage, not here.
class Dialling : public QObject {
    Q_OBJECT
public:
    Dialling(frmHaupt& window, Lintaro& control, modOptionen& options,
             const platform::settings::Registry& registry, QObject* parent = nullptr);

    // The selected caller-list entry, behind the outside-line access code of
    // the current dialling location, with the address mode of the option
    // DialLineAdressMode.
    void DialCallerListEntry();
    // The number of the selected similar contact ("[column] number"), as it
    // stands, in address mode 1.
    void DialSimilarContact();
    void ConfigDialog();
    void TranslateDialog();

    // The digits that give an outside line at the current dialling location;
    // empty when there is no current location or it has none.
    QString OutsideAccess() const;

private:
    // The selected line of the address box (0-based), -1 when none.
    int selectedAddress() const;

    frmHaupt& m_window;
    Lintaro& m_control;
    modOptionen& m_options;
    const platform::settings::Registry& m_registry;
};

} // namespace fonkel
