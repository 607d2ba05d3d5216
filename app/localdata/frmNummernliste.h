#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QPushButton;
class QTableView;

namespace platform::db {
class DBEngine;
class Database;
class TableModel;
} // namespace platform::db
namespace platform::ui {
class UserInterface;
}

// "Fonkel Nummernliste": the free number list (table Liste of Nummern.mdb)
// in a grid, through a connection of its own. Rows are added in the empty
// last row, changed in place and deleted with the Delete key once selected
// as whole rows; every change is written at once. "&OK" writes the pending
// edit and closes; so does closing the window otherwise.
class frmNummernliste : public QDialog {
    Q_OBJECT
public:
    frmNummernliste(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                    QString databaseFile, QWidget* parent = nullptr);
    ~frmNummernliste() override;

    // Binds the data source to the file's table Liste and fills the grid.
    // False (after a message) when that fails; the window is then not shown.
    bool load();

    // Opens the window modally (after load); returns when it is closed.
    static void showModal(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                          const QString& databaseFile, QWidget* parent = nullptr);

    QTableView* dbgNummern;
    QPushButton* cmOK;
    platform::db::TableModel* data() const { return m_model; }

public slots:
    void cmOK_Click();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void commitPendingEdit();
    void deleteSelection();

    platform::db::DBEngine& m_engine;
    platform::ui::UserInterface& m_ui;
    QString m_databaseFile;
    std::unique_ptr<platform::db::Database> m_database;
    platform::db::TableModel* m_model = nullptr;
};
