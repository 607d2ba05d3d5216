#include "tools/actsim/ActMainWindow.h"

#include "platform/ui/UserInterface.h"
#include "tools/actsim/HistoryDialog.h"
#include "tools/actsim/TimerDialog.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>

namespace actsim {

namespace {

const char* fieldIdProperty = "actFieldId";
const char* columnProperty = "actColumn";

} // namespace

ActMainWindow::ActMainWindow(ActSimState& state, platform::ui::UserInterface& ui, QString titleBase,
                             QWidget* parent)
    : QMainWindow(parent), m_state(state), m_ui(ui), m_titleBase(std::move(titleBase))
{
    m_pages = new QStackedWidget(this);
    m_emptyPage = new QLabel(this);
    m_emptyPage->setAlignment(Qt::AlignCenter);
    m_pages->addWidget(m_emptyPage);
    setCentralWidget(m_pages);
    m_position = new QLabel(this);
    statusBar()->addWidget(m_position);
    buildMenus();
    connect(&m_state, &ActSimState::changed, this, &ActMainWindow::refresh);
    // The automation's "currentfieldid" is the field that has the focus.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->property(fieldIdProperty).isValid())
            m_state.setCurrentFieldId(now->property(fieldIdProperty).toInt());
    });
    resize(640, 520);
    refresh();
}

void ActMainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    QAction* open =
        file->addAction(QStringLiteral("&Öffnen..."), this, &ActMainWindow::chooseDatabase);
    open->setShortcut(QKeySequence::Open);
    file->addAction(QStringLiteral("&Schließen"), this, [this] { m_state.closeDatabase(); });
    file->addSeparator();
    file->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);

    QMenu* contact = menuBar()->addMenu(QStringLiteral("&Kontakt"));
    QAction* previous = contact->addAction(QStringLiteral("&Vorheriger"), this, [this] {
        if (m_state.activeView() == ActSimState::View::Group)
            m_state.stepGroup(false);
        else
            m_state.stepContact(false);
    });
    previous->setShortcut(QKeySequence(Qt::Key_PageUp));
    QAction* next = contact->addAction(QStringLiteral("&Nächster"), this, [this] {
        if (m_state.activeView() == ActSimState::View::Group)
            m_state.stepGroup(true);
        else
            m_state.stepContact(true);
    });
    next->setShortcut(QKeySequence(Qt::Key_PageDown));
    contact->addSeparator();
    QAction* history = contact->addAction(QStringLiteral("&Protokoll aufzeichnen..."), this,
                                          &ActMainWindow::openHistoryDialog);
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    m_views = new QActionGroup(this);
    auto addView = [&](const QString& text, ActSimState::View type) {
        QAction* action =
            view->addAction(text, this, [this, type] { m_state.setActiveView(type); });
        action->setCheckable(true);
        m_views->addAction(action);
        return action;
    };
    m_contactViewAction = addView(QStringLiteral("&Kontakte"), ActSimState::View::Contact);
    m_groupViewAction = addView(QStringLiteral("&Gruppen"), ActSimState::View::Group);
    m_noViewAction = addView(QStringLiteral("K&eine Ansicht"), ActSimState::View::None);

    QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    extras->addAction(QStringLiteral("&Timer"), this, [this] { runCommand(310); });
}

QWidget* ActMainWindow::buildForm(ActSimState::View view, QList<QLineEdit*>& editors)
{
    editors.clear();
    auto* scroll = new QScrollArea(this);
    auto* form = new QWidget(scroll);
    auto* layout = new QFormLayout(form);
    const ActTable& table = view == ActSimState::View::Contact ? m_state.database()->contacts()
                                                               : m_state.database()->groups();
    for (const ActFieldInfo& field : table.fields()) {
        auto* editor = new QLineEdit(form);
        editor->setReadOnly(true);
        editor->setObjectName(field.columnName);
        editor->setProperty(columnProperty, field.column);
        if (field.actId)
            editor->setProperty(fieldIdProperty, field.actId);
        layout->addRow(field.actName + QLatin1Char(':'), editor);
        editors.append(editor);
    }
    scroll->setWidget(form);
    scroll->setWidgetResizable(true);
    return scroll;
}

void ActMainWindow::rebuild()
{
    while (m_pages->count() > 1) {
        QWidget* page = m_pages->widget(1);
        m_pages->removeWidget(page);
        page->deleteLater();
    }
    m_contactEditors.clear();
    m_groupEditors.clear();
    m_shownDatabase = m_state.database();
    if (!m_shownDatabase)
        return;
    m_pages->addWidget(buildForm(ActSimState::View::Contact, m_contactEditors));
    m_pages->addWidget(buildForm(ActSimState::View::Group, m_groupEditors));
}

void ActMainWindow::refresh()
{
    if (m_state.database() != m_shownDatabase)
        rebuild();
    const ActDatabase* database = m_state.database();
    setWindowTitle(database ? m_titleBase + QStringLiteral(" - ") + database->baseName()
                            : m_titleBase);

    const ActSimState::View view = m_state.activeView();
    m_contactViewAction->setChecked(view == ActSimState::View::Contact);
    m_groupViewAction->setChecked(view == ActSimState::View::Group);
    m_noViewAction->setChecked(view == ActSimState::View::None);

    for (QLineEdit* editor : std::as_const(m_contactEditors))
        editor->setText(m_state.columnValue(ActSimState::View::Contact,
                                            editor->property(columnProperty).toInt()));
    for (QLineEdit* editor : std::as_const(m_groupEditors))
        editor->setText(m_state.columnValue(ActSimState::View::Group,
                                            editor->property(columnProperty).toInt()));

    if (!database) {
        m_emptyPage->setText(QStringLiteral("Keine Datenbank geöffnet"));
        m_pages->setCurrentIndex(0);
        m_position->setText(QString());
        return;
    }
    switch (view) {
    case ActSimState::View::Contact:
        m_pages->setCurrentIndex(1);
        m_position->setText(
            QStringLiteral("Kontakt %1 von %2%3")
                .arg(m_state.currentContact() + 1)
                .arg(database->contacts().rowCount())
                .arg(m_state.lookupIsAll() ? QStringLiteral(" (alle Kontakte)") : QString()));
        break;
    case ActSimState::View::Group:
        m_pages->setCurrentIndex(2);
        m_position->setText(QStringLiteral("Gruppe %1 von %2")
                                .arg(m_state.currentGroup() + 1)
                                .arg(database->groups().rowCount()));
        break;
    case ActSimState::View::None:
        m_emptyPage->setText(QStringLiteral("Keine Ansicht"));
        m_pages->setCurrentIndex(0);
        m_position->setText(QString());
        break;
    }
}

void ActMainWindow::showInFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

int ActMainWindow::runCommand(int command)
{
    if (command != 310)
        return 0;
    if (!m_timer)
        m_timer = new TimerDialog(this);
    m_timer->show();
    m_timer->raise();
    m_timer->activateWindow();
    return 1;
}

void ActMainWindow::openHistoryDialog()
{
    if (!m_state.database() || m_state.currentContact() < 0) {
        QApplication::beep();
        return;
    }
    auto* dialog = new HistoryDialog(m_state.currentContactId(), m_state.currentContactName(),
                                     m_state.database()->historyPath(), m_ui, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ActMainWindow::chooseDatabase()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("ACT!-Datenbank öffnen"), QString(),
                                     QStringLiteral("ACT!-Datenbanken (*.dbf *.DBF)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!m_state.openDatabase(path, &error))
        m_ui.inform(
            QStringLiteral("Die Datenbank %1 konnte nicht geöffnet werden:\n%2").arg(path, error),
            QStringLiteral("ACT!"), platform::ui::Icon::Warning);
}

} // namespace actsim
