#pragma once

#include "platform/tapi/sim/SimConfig.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

namespace platform::tapi::sim {

// The settings dialog of a simulated line (lineConfigDialog). Object names:
// nameEdit, addressEdit, acceptToAlertBox, ringIntervalBox (seconds, 0 = only
// on request), waveOutBox, waveInBox (-1 = none), buttonBox.
class SimLineSettingsDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SimLineSettingsDialog(SimLineConfig line, QWidget* parent = nullptr);

    // The line with the edited settings.
    SimLineConfig settings() const;

private:
    void updateState();

    SimLineConfig m_line;
    QLineEdit* m_name;
    QLineEdit* m_address;
    QCheckBox* m_acceptToAlert;
    QSpinBox* m_ringInterval;
    QSpinBox* m_waveOut;
    QSpinBox* m_waveIn;
    QDialogButtonBox* m_buttons;
};

} // namespace platform::tapi::sim
