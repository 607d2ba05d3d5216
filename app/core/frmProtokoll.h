#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace fonkel {

// The TAPI log: one line per telephony event while the user has it switched
// on ("&Protokoll" in the T&API menu). The log is not saved; it lives in the
// text box until "&Löschen" or until the window closes.
class frmProtokoll : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Fonkel - Tapi-Protokoll");

    explicit frmProtokoll(QWidget* parent = nullptr);

    QPlainTextEdit* txbProtokoll = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdClose = nullptr;

    // Appends the line: a line break, the date and time, " Event: " name,
    // " Values: " and the values with their line breaks turned into ", ".
    void PrintProtokoll(const QString& event, const QString& values);

    // The whole log, every line introduced by carriage return + line feed.
    QString text() const;

    // The layout keeps the window at least this large (twips).
    static constexpr int MinimumWidth = 7200;
    static constexpr int MinimumHeight = 5100;

signals:
    // The window closes, by its close box, "&Beenden" or its owner.
    void closed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layoutControls();
};

} // namespace fonkel
