#include "LocalDataFixture.h"

#include "app/localdata/clFonkelDaten.h"
#include "app/localdata/frmNummernliste.h"

#include "platform/db/TableModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

class frmNummernlisteTest : public LocalDataFixture {
protected:
    void SetUp() override
    {
        createNummernMdb(engine, path(u"Nummern.mdb"_s), {}, {});
        ASSERT_TRUE(daten.init(path(u"Nummern.mdb"_s)));
    }

    // Types text into the cell as a user would: the first key opens the
    // cell's editor (its old text selected, so replaced), the others go to it.
    void typeInto(frmNummernliste& window, int row, int column, const QString& text)
    {
        QTableView* grid = window.dbgNummern;
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, column));
        for (const QChar c : text) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        ASSERT_TRUE(qobject_cast<QLineEdit*>(QApplication::focusWidget())) << "no cell editor";
    }

    void showAndActivate(frmNummernliste& window)
    {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString lookUp(const QString& number)
    {
        QString name, place;
        daten.SucheNameOrtAusFreierListe(number, name, place);
        return name + u" / "_s + place;
    }

    clFonkelDaten daten{engine, ui, options, registry};
};

TEST_F(frmNummernlisteTest, ARowAddedInTheGridIsFoundForTheNextCall)
{
    frmNummernliste window(engine, ui, path(u"Nummern.mdb"_s));
    ASSERT_TRUE(window.load());
    showAndActivate(window);
    EXPECT_EQ(window.windowTitle(), u"Fonkel Nummernliste"_s);
    EXPECT_EQ(window.cmOK->text(), u"&OK"_s);

    // An empty list shows only the row for a new record.
    QAbstractItemModel* model = window.dbgNummern->model();
    ASSERT_EQ(model->rowCount(), 1);
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), u"Nummer"_s);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), u"Ort"_s);

    typeInto(window, 0, 0, u"0301234567"_s);
    typeInto(window, 0, 1, u"Meyer \"Bäckerei\""_s);
    typeInto(window, 0, 2, u"Berlin"_s);
    // Pressed without taking the focus (as its Alt+O does), the cell's
    // editor is still open: OK itself writes the edit.
    window.cmOK->click();
    EXPECT_FALSE(window.isVisible());

    EXPECT_EQ(lookUp(u"0301234567"_s), u"Meyer \"Bäckerei\" / Berlin"_s);
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(frmNummernlisteTest, EditsAndDeletionsReachTheTableAtOnce)
{
    {
        auto db = engine.openDatabase(path(u"Nummern.mdb"_s));
        db->execute(u"INSERT INTO Liste (Nummer, Name, Ort) VALUES (\"0301\", \"Anna\", "
                    "\"Mitte\")"_s);
        db->execute(u"INSERT INTO Liste (Nummer, Name, Ort) VALUES (\"0302\", \"Bernd\", "
                    "\"Pankow\")"_s);
    }
    frmNummernliste window(engine, ui, path(u"Nummern.mdb"_s));
    ASSERT_TRUE(window.load());
    showAndActivate(window);
    ASSERT_EQ(window.dbgNummern->model()->rowCount(), 3);

    typeInto(window, 1, 1, u"Berta"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // leaves the cell
    EXPECT_EQ(lookUp(u"0302"_s), u"Berta / Pankow"_s);

    window.dbgNummern->selectRow(0);
    QTest::keyClick(window.dbgNummern, Qt::Key_Delete);
    EXPECT_EQ(lookUp(u"0301"_s), u"Unbekannt / Unbekannt"_s);
    EXPECT_EQ(window.dbgNummern->model()->rowCount(), 2);

    // Delete on one cell empties it.
    window.dbgNummern->clearSelection();
    window.dbgNummern->setCurrentIndex(window.dbgNummern->model()->index(0, 2));
    QTest::keyClick(window.dbgNummern, Qt::Key_Delete);
    EXPECT_EQ(lookUp(u"0302"_s), u"Berta / "_s);

    // Closing the window otherwise keeps a pending edit as well.
    typeInto(window, 0, 2, u"Weißensee"_s);
    window.close();
    EXPECT_EQ(lookUp(u"0302"_s), u"Berta / Weißensee"_s);
}

TEST_F(frmNummernlisteTest, RefusedValuesAndMissingFilesAreReported)
{
    frmNummernliste missing(engine, ui, path(u"fehlt.mdb"_s));
    EXPECT_FALSE(missing.load());
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().first().text.contains(u"Fehlernummer:3024"_s));
    ui.clear();

    frmNummernliste window(engine, ui, path(u"Nummern.mdb"_s));
    ASSERT_TRUE(window.load());
    showAndActivate(window);
    typeInto(window, 0, 0, QString(300, u'1'));
    QTest::mouseClick(window.cmOK, Qt::LeftButton);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().first().text.contains(u"Fehlernummer: 3163"_s));
    auto db = engine.openDatabase(path(u"Nummern.mdb"_s));
    EXPECT_TRUE(db->openRecordset(u"Liste"_s)->eof());
}

} // namespace
