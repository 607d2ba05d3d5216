#pragma once

#include "platform/tapi/DiallingLocations.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace platform::tapi {

// "Wählregeln": edits the dialling locations. The location selected in the
// list is the one dialled from (the current location) when the dialog is
// accepted. Object names of the widgets: locationList, newButton,
// removeButton, nameEdit, countryCodeEdit, areaCodeEdit, outsideAccessEdit,
// longDistanceAccessEdit, previewLabel, buttonBox.
class DiallingLocationsDialog final : public QDialog {
    Q_OBJECT
public:
    DiallingLocationsDialog(DiallingLocations locations, QString address,
                            QWidget* parent = nullptr);

    // The locations as edited, with the selected one as current.
    DiallingLocations locations() const { return m_locations; }

private:
    void fillList();
    void showSelected();
    void storeFields();
    void addLocation();
    void removeLocation();
    void updateState();
    DiallingLocation* selected();

    DiallingLocations m_locations;
    QString m_address;
    bool m_loading = false;
    QListWidget* m_list;
    QPushButton* m_newButton;
    QPushButton* m_removeButton;
    QLineEdit* m_name;
    QLineEdit* m_countryCode;
    QLineEdit* m_areaCode;
    QLineEdit* m_outsideAccess;
    QLineEdit* m_longDistanceAccess;
    QLabel* m_preview;
    QDialogButtonBox* m_buttons;
};

} // namespace platform::tapi
