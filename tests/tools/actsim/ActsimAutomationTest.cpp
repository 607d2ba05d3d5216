// actsim's automation object over a real session bus, driven by the
// application's own client. actsim runs off screen here, so its window is
// stood in for by an in-memory one; the windows themselves are the business
// of the end-to-end test.
#include "ActsimHarness.h"

#include "TestSupport.h"
#include "app/actapp/clACTApplication.h"
#include "platform/act/DBusAutomation.h"
#include "platform/desktop/InMemoryDesktop.h"
#include "platform/ui/ScriptedUserInterface.h"
#include "tools/actsim/ActDatabase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using platform::ui::Answer;

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

int fieldIdOf(const actsim::ActTable& table, int column)
{
    for (const actsim::ActFieldInfo& field : table.fields()) {
        if (field.column == column)
            return field.actId;
    }
    return 0;
}

class ActsimAutomation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(bus.start(&error)) << error.toStdString();
        desktop.addTopLevel(QStringLiteral("act3.0frameclass"), QStringLiteral("ACT! - KUNDEN"));
        connector = std::make_unique<platform::act::DBusAutomationConnector>(bus.connection());
        act =
            std::make_unique<clACTApplication>(desktop, *connector, ui, [this] { ++programEnds; });
    }

    void startActsim(const QStringList& arguments)
    {
        ASSERT_TRUE(actsim.start(bus, arguments, QStringLiteral("offscreen")));
        ASSERT_TRUE(actsim.waitForAutomation(bus.connection())) << actsim.output().toStdString();
    }

    QTemporaryDir dir;
    actsimtest::PrivateSessionBus bus;
    actsimtest::ActsimProcess actsim;
    platform::desktop::InMemoryDesktop desktop;
    platform::ui::ScriptedUserInterface ui;
    std::unique_ptr<platform::act::DBusAutomationConnector> connector;
    std::unique_ptr<clACTApplication> act;
    int programEnds = 0;
};

TEST_F(ActsimAutomation, ServesTheOpenDatabaseItsContactsAndCommands)
{
    QString error;
    const QString path =
        actsimtest::generateDatabase(dir.path(), QStringLiteral("KUNDEN"), 40, &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    const QByteArray tableBefore = fileHash(path);
    startActsim({path});

    actsim::ActDatabase database;
    ASSERT_TRUE(database.open(path, &error)) << error.toStdString();
    const actsim::ActTable& contacts = database.contacts();
    const int nameColumn = contacts.columnOf(QStringLiteral("NAME"));
    const int nameField = fieldIdOf(contacts, nameColumn);
    ASSERT_NE(nameField, 0);

    EXPECT_EQ(act->ACTDatenbank(), path);
    EXPECT_EQ(act->aktuellerViewTyp(), 1);
    const qint64 first = contacts.liveRow(0, true);
    EXPECT_EQ(act->AktuelleKontaktID(), contacts.id(first));
    EXPECT_EQ(act->AktuelleKontaktID().size(), 12);
    EXPECT_EQ(act->getFeldwert(QStringLiteral("Kontakt"), nameField),
              contacts.text(first, nameColumn));

    const qint64 row = contacts.liveRow(17, true);
    const QString chosen = contacts.id(row);
    act->gehezuKonatkt(chosen);
    EXPECT_EQ(act->AktuelleKontaktID(), chosen);
    EXPECT_EQ(act->getFeldwert(QStringLiteral("kontakt"), nameField),
              contacts.text(row, nameColumn));
    // An identifier ACT! does not know leaves the contact as it is.
    act->gehezuKonatkt(QStringLiteral("GIBTESNICHT"));
    EXPECT_EQ(act->AktuelleKontaktID(), chosen);

    // Field changes stay in actsim: the contact table is never written.
    EXPECT_TRUE(
        act->setFeldwert(QStringLiteral("Kontakt"), nameField, QStringLiteral("Neu, Name")));
    EXPECT_EQ(act->getFeldwert(QStringLiteral("Kontakt"), nameField), QStringLiteral("Neu, Name"));
    const actsim::ActTable& groups = database.groups();
    const int groupName = groups.columnOf(QStringLiteral("GROUPNAME"));
    EXPECT_EQ(act->getFeldwert(QStringLiteral("Gruppe"), fieldIdOf(groups, groupName)),
              groups.text(0, groupName));

    EXPECT_EQ(act->ExecuteCommand(310), 1);
    EXPECT_EQ(act->ExecuteCommand(4711), 0);
    EXPECT_FALSE(act->ACTVersion().isEmpty());
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(fileHash(path), tableBefore);

    // A second ACT! on the same bus cannot take the automation object's name.
    actsimtest::ActsimProcess second;
    ASSERT_TRUE(second.start(bus, {path}, QStringLiteral("offscreen")));
    ASSERT_TRUE(second.process().waitForFinished(20000));
    EXPECT_EQ(second.process().exitCode(), 3);
    EXPECT_EQ(act->AktuelleKontaktID(), chosen);
}

TEST_F(ActsimAutomation, FailedCallsCarryTheNumberOfWhatWentWrong)
{
    startActsim({});
    const platform::act::AutomationRef application =
        connector->create(QStringLiteral("ACTOLE.APPOBJECT"));
    ASSERT_NE(application, nullptr);
    auto failure = [&](const QString& member, const QVariantList& args) -> long {
        try {
            application->call(member, args);
        } catch (const platform::act::AutomationError& error) {
            return error.number();
        }
        return 0;
    };
    EXPECT_EQ(failure(QStringLiteral("GetOpenDBName"), {}), 0);
    EXPECT_EQ(failure(QStringLiteral("GibtEsNicht"), {}), 438);
    // A 32-bit number where the server takes a 16-bit one is no member it has.
    EXPECT_EQ(failure(QStringLiteral("GetVersion"), {qint32(1)}), 438);

    actsim.process().kill();
    actsim.process().waitForFinished(10000);
    EXPECT_EQ(failure(QStringLiteral("GetOpenDBName"), {}), 462);
    EXPECT_EQ(connector->create(QStringLiteral("ACTOLE.APPOBJECT")), nullptr);
}

TEST_F(ActsimAutomation, WithoutDatabaseOrViewThereIsNothingToShow)
{
    startActsim({});
    EXPECT_EQ(act->ACTDatenbank(), QString());
    ui.answerNext(Answer::No);
    EXPECT_EQ(act->aktuellerViewTyp(), -1);
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_TRUE(ui.messages().at(0).text.startsWith(QStringLiteral("Eine OLE-Verbindung zu Act!")));
    EXPECT_EQ(programEnds, 0);
}

TEST_F(ActsimAutomation, NoActiveViewIsAskedAboutUntilTheUserGivesUp)
{
    QString error;
    const QString path =
        actsimtest::generateDatabase(dir.path(), QStringLiteral("KUNDEN"), 5, &error);
    ASSERT_FALSE(path.isEmpty()) << error.toStdString();
    startActsim({path, QStringLiteral("--ansicht"), QStringLiteral("keine")});
    EXPECT_EQ(act->ACTDatenbank(), path);
    ui.answerNext(Answer::Yes);
    ui.answerNext(Answer::No);
    EXPECT_EQ(act->AktuelleKontaktID(), QString());
    EXPECT_EQ(ui.messages().size(), 2);
    // The contact view can still be created and used.
    act->gehezuKonatkt(QStringLiteral("GIBTESNICHT"));
    EXPECT_EQ(ui.messages().size(), 2);
}

} // namespace
