#pragma once

#include "tools/actsim/HistoryLog.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace platform::ui {
class UserInterface;
}

namespace actsim {

// ACT!'s dialog for recording a history entry at a contact: a standard
// dialog titled "Protokoll aufzeichnen " + the contact's name, with date,
// time, kind and regarding fields reached by Alt access keys (Alt+D date,
// Alt+U time, Alt+A kind, Alt+Y regarding) and an "OK" button that stores
// the entry beside the database.
class HistoryDialog : public QDialog {
    Q_OBJECT

public:
    HistoryDialog(const QString& contactId, const QString& contactName, const QString& historyPath,
                  platform::ui::UserInterface& ui, QWidget* parent = nullptr);

    HistoryEntry entry() const;

public slots:
    void accept() override;

private:
    QString m_contactId;
    QString m_contactName;
    QString m_historyPath;
    platform::ui::UserInterface& m_ui;
    QLineEdit* m_date;
    QLineEdit* m_time;
    QComboBox* m_type;
    QLineEdit* m_regarding;
};

} // namespace actsim
