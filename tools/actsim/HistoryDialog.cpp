#include "tools/actsim/HistoryDialog.h"

#include "platform/ui/UserInterface.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace actsim {

HistoryDialog::HistoryDialog(const QString& contactId, const QString& contactName,
                             const QString& historyPath, platform::ui::UserInterface& ui,
                             QWidget* parent)
    : QDialog(parent), m_contactId(contactId), m_contactName(contactName),
      m_historyPath(historyPath), m_ui(ui)
{
    setWindowTitle(QStringLiteral("Protokoll aufzeichnen ") + contactName);
    const QDateTime now = QDateTime::currentDateTime();
    m_date = new QLineEdit(now.toString(QStringLiteral("dd.MM.yyyy")), this);
    m_time = new QLineEdit(now.toString(QStringLiteral("HH:mm")), this);
    m_type = new QComboBox(this);
    m_type->addItems({QStringLiteral("Anruf"), QStringLiteral("Besprechung"),
                      QStringLiteral("Aufgabe"), QStringLiteral("Notiz")});
    m_regarding = new QLineEdit(this);
    m_date->setObjectName(QStringLiteral("Datum"));
    m_time->setObjectName(QStringLiteral("Uhrzeit"));
    m_type->setObjectName(QStringLiteral("Art"));
    m_regarding->setObjectName(QStringLiteral("Betreff"));

    // Every control is a direct child of the dialog, as in a dialog resource:
    // the automation checks a button's parent for the dialog's title.
    auto* layout = new QGridLayout(this);
    auto addRow = [&](int row, const QString& caption, QKeySequence key, QWidget* field) {
        auto* label = new QLabel(caption, this);
        field->setAccessibleName(
            QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        layout->addWidget(label, row, 0);
        layout->addWidget(field, row, 1, 1, 2);
        // As in a standard dialog, an access key moves to the field and selects
        // its text, also when the field has the focus already (so typed text
        // replaces what is there).
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, field, [field] {
            field->setFocus(Qt::ShortcutFocusReason);
            if (auto* edit = qobject_cast<QLineEdit*>(field))
                edit->selectAll();
        });
    };
    addRow(0, QStringLiteral("&Datum:"), QKeySequence(Qt::ALT | Qt::Key_D), m_date);
    addRow(1, QStringLiteral("&Uhrzeit:"), QKeySequence(Qt::ALT | Qt::Key_U), m_time);
    addRow(2, QStringLiteral("&Art:"), QKeySequence(Qt::ALT | Qt::Key_A), m_type);
    addRow(3, QStringLiteral("Betreff (&y):"), QKeySequence(Qt::ALT | Qt::Key_Y), m_regarding);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    ok->setDefault(true);
    layout->addWidget(ok, 4, 1);
    layout->addWidget(cancel, 4, 2);
    connect(ok, &QPushButton::clicked, this, &HistoryDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &HistoryDialog::reject);
    setMinimumWidth(420);
    // The dialog opens in its first field with the text selected.
    setFocusProxy(m_date);
    m_date->selectAll();
}

HistoryEntry HistoryDialog::entry() const
{
    return {m_contactId,    m_contactName,         m_date->text(),
            m_time->text(), m_type->currentText(), m_regarding->text()};
}

void HistoryDialog::accept()
{
    QString error;
    if (!HistoryLog::append(m_historyPath, entry(), &error)) {
        m_ui.inform(QStringLiteral("Der Protokolleintrag konnte nicht gespeichert werden:\n%1\n%2")
                        .arg(m_historyPath, error),
                    QStringLiteral("ACT!"), platform::ui::Icon::Warning);
        return;
    }
    QDialog::accept();
}

} // namespace actsim
