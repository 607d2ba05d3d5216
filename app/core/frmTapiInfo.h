#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace fonkel {

// The driver information window: shows a report on the telephone line device
// (see DriverReport). "&OK" or the Escape key closes it.
class frmTapiInfo : public QDialog {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Tapi-Informationen");

    explicit frmTapiInfo(const QString& report, QWidget* parent = nullptr);

    QPlainTextEdit* txbInfo = nullptr;
    QPushButton* cmdOK = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;

    // The report as it was given.
    QString report() const { return m_report; }

protected:
    // Escape closes the window when the key is released.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    QString m_report;
};

} // namespace fonkel
