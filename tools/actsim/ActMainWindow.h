#pragma once

#include "tools/actsim/ActSimState.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QFormLayout;

namespace platform::ui {
class UserInterface;
}

namespace actsim {

class TimerDialog;

// The stand-in ACT!'s main window: the contact view (the current contact's
// fields), the group view, menus to open a database, switch views and step
// through contacts, the history dialog on Ctrl+H and the timer dialog.
class ActMainWindow : public QMainWindow {
    Q_OBJECT

public:
    // titleBase "ACT!" or "ACT! Kundenmanager"; the database's name follows it.
    ActMainWindow(ActSimState& state, platform::ui::UserInterface& ui, QString titleBase,
                  QWidget* parent = nullptr);

    // Shows the window in front (the automation's "Show").
    void showInFront();
    // Runs an ACT! command by number (310 opens the timer); 1 when it was
    // run, 0 for a command this stand-in does not know.
    int runCommand(int command);
    void openHistoryDialog();
    void chooseDatabase();

private:
    void buildMenus();
    void rebuild();
    void refresh();
    QWidget* buildForm(ActSimState::View view, QList<QLineEdit*>& editors);

    ActSimState& m_state;
    platform::ui::UserInterface& m_ui;
    QString m_titleBase;
    const ActDatabase* m_shownDatabase = nullptr;
    QStackedWidget* m_pages;
    QLabel* m_emptyPage;
    QLabel* m_position;
    QList<QLineEdit*> m_contactEditors;
    QList<QLineEdit*> m_groupEditors;
    QActionGroup* m_views = nullptr;
    QAction* m_contactViewAction = nullptr;
    QAction* m_groupViewAction = nullptr;
    QAction* m_noViewAction = nullptr;
    QPointer<TimerDialog> m_timer;
};

} // namespace actsim
