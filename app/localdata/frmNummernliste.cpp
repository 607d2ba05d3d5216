#include "frmNummernliste.h"

#include "platform/db/DBEngine.h"
#include "platform/db/DbError.h"
#include "platform/db/TableModel.h"
#include "platform/ui/UserInterface.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

frmNummernliste::frmNummernliste(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                                 QString databaseFile, QWidget* parent)
    : QDialog(parent), dbgNummern(new QTableView(this)),
      cmOK(new QPushButton(QStringLiteral("&OK"), this)), m_engine(engine), m_ui(ui),
      m_databaseFile(std::move(databaseFile))
{
    setObjectName(QStringLiteral("frmNummernliste"));
    setWindowTitle(QStringLiteral("Fonkel Nummernliste"));
    dbgNummern->setObjectName(QStringLiteral("dbgNummern"));
    cmOK->setObjectName(QStringLiteral("cmOK"));
    cmOK->setAutoDefault(false);

    // Typing starts editing; arrow keys move between cells.
    dbgNummern->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    dbgNummern->setSelectionBehavior(QAbstractItemView::SelectItems);
    dbgNummern->horizontalHeader()->setStretchLastSection(true);
    dbgNummern->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dbgNummern);
    layout->addLayout(buttons);
    resize(520, 360);

    connect(cmOK, &QPushButton::clicked, this, &frmNummernliste::cmOK_Click);
}

frmNummernliste::~frmNummernliste()
{
    // The model reads through the connection: it goes first.
    dbgNummern->setModel(nullptr);
    delete m_model;
}

bool frmNummernliste::load()
{
    try {
        m_database = m_engine.openDatabase(m_databaseFile);
        auto model =
            std::make_unique<platform::db::TableModel>(*m_database, QStringLiteral("Liste"));
        model->setObjectName(QStringLiteral("Data"));
        model->requery();
        m_model = model.release();
    } catch (const platform::db::DbError& error) {
        m_database.reset();
        m_ui.message({QStringLiteral("Fehler in frmNummernliste") + kCrLf +
                          QStringLiteral("Fehler beim Öffnen der Datenbank:") + m_databaseFile +
                          kCrLf + QStringLiteral("Fehlernummer:") +
                          QString::number(error.number()) + kCrLf +
                          QStringLiteral("Fehlerbeschreibung:") + error.description(),
                      QStringLiteral("Fonkel"), platform::ui::Icon::Warning,
                      platform::ui::Buttons::Ok, false});
        return false;
    }
    connect(m_model, &platform::db::TableModel::writeFailed, this,
            [this](int number, const QString& description) {
                m_ui.message({QStringLiteral("Der Wert wurde nicht gespeichert.") + kCrLf +
                                  QStringLiteral("Fehlernummer: ") + QString::number(number) +
                                  kCrLf + QStringLiteral("Fehlerbeschreibung: ") + description,
                              QStringLiteral("Fonkel"), platform::ui::Icon::Warning,
                              platform::ui::Buttons::Ok, false});
            });
    dbgNummern->setModel(m_model);
    dbgNummern->setCurrentIndex(m_model->index(0, 0));
    return true;
}

void frmNummernliste::showModal(platform::db::DBEngine& engine, platform::ui::UserInterface& ui,
                                const QString& databaseFile, QWidget* parent)
{
    frmNummernliste window(engine, ui, databaseFile, parent);
    if (window.load())
        window.exec();
}

void frmNummernliste::commitPendingEdit()
{
    // Leaving the cell hands an open editor's text to the model, which
    // writes it.
    const QModelIndex current = dbgNummern->currentIndex();
    dbgNummern->setCurrentIndex(QModelIndex());
    if (m_model && current.isValid() && current.row() < m_model->rowCount())
        dbgNummern->setCurrentIndex(current);
}

void frmNummernliste::cmOK_Click()
{
    commitPendingEdit();
    accept();
}

void frmNummernliste::reject()
{
    commitPendingEdit();
    QDialog::reject();
}

void frmNummernliste::closeEvent(QCloseEvent* event)
{
    commitPendingEdit();
    QDialog::closeEvent(event);
}

void frmNummernliste::deleteSelection()
{
    if (!m_model)
        return;
    const QModelIndexList rows = dbgNummern->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        // Delete on a single cell empties it, as in a spreadsheet.
        const QModelIndex current = dbgNummern->currentIndex();
        if (current.isValid() && !m_model->isNewRow(current.row()))
            m_model->setData(current, QString());
        return;
    }
    QList<int> numbers;
    for (const QModelIndex& index : rows)
        numbers.append(index.row());
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    for (int row : numbers)
        m_model->removeRows(row, 1);
}

bool frmNummernliste::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dbgNummern && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteSelection();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
