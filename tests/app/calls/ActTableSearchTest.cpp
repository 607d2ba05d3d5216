// The identification's search in the contact table of the database ACT! has
// open, on a database written by mkactdb's generator.
#include "IdentificationFixture.h"

#include "app/actapp/clACTApplication.h"
#include "app/actdb/clActDBF.h"
#include "app/core/ContactTag.h"
#include "platform/act/InProcessActServer.h"
#include "platform/db/foxpro/FoxProBackend.h"
#include "platform/desktop/InMemoryDesktop.h"
#include "tools/mkactdb/ActDatabaseGenerator.h"
#include "tools/mkactdb/ContactGenerator.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

constexpr int Contacts = 200;

class ActTableSearch : public IdentificationFixture {
protected:
    void SetUp() override
    {
        IdentificationFixture::SetUp();
        engine.registerBackend(std::make_shared<platform::db::foxpro::FoxProBackend>());
        QString error;
        ASSERT_TRUE(actdbgen::generateActDatabase({dir.path(), u"KUNDEN"_s, Contacts, 1}, &error))
            << error.toStdString();
        desktop.addTopLevel(u"act3.0frameclass"_s, u"ACT! - KUNDEN"_s);
        server.databaseName = actdbgen::ActDatabaseFiles::in(dir.path(), u"KUNDEN"_s).contactTable;
        members.ACTApplication = &application;
        members.ActDBF = &table;
        members.ACTMonitorReady = true;
        act.phoneFields = u"PHONE,MOBILE"_s;
    }

    // The first contact in table order whose PHONE or MOBILE holds the term.
    std::optional<actdbgen::Contact> firstWith(const QString& term) const
    {
        const actdbgen::ContactGenerator generator(1);
        for (qint64 i = 0; i < Contacts; ++i) {
            const actdbgen::Contact contact = generator.contact(i);
            if (!contact.deleted && (contact.phone.contains(term) || contact.mobile.contains(term)))
                return contact;
        }
        return std::nullopt;
    }

    platform::desktop::InMemoryDesktop desktop;
    platform::act::InProcessActServer server;
    clACTApplication application{desktop, server, ui, [] {}};
    clActDBF table{engine, ui, [this](const QString& key) { return options.ReadOption(key); }};
};

TEST_F(ActTableSearch, CallerFoundInThePhoneColumns)
{
    // Numbers as ACT! users type them ("0211 4573020"): the caller's
    // subscriber digits are found inside.
    const actdbgen::ContactGenerator generator(1);
    int searched = 0;
    for (qint64 i = 0; i < Contacts && searched < 3; i += 17) {
        const actdbgen::Contact contact = generator.contact(i);
        const QString phone = contact.phone;
        const QString subscriber = phone.mid(phone.lastIndexOf(u' ') + 1);
        if (contact.deleted || subscriber.size() < 5)
            continue;
        ++searched;
        SCOPED_TRACE(phone.toStdString());
        const std::optional<actdbgen::Contact> expected = firstWith(subscriber);
        ASSERT_TRUE(expected);
        now = now.addSecs(60);
        identify(subscriber, u"<ADDRESS>"_s, searched == 2);
        EXPECT_EQ(column(first(), "Kontakt"),
                  expected->name.isEmpty() ? u"Keine Angaben im ACT!"_s : expected->name);
        EXPECT_EQ(first()->tag(), fonkel::EncodeContactTag(expected->uniqueId));
        if (!expected->city.isEmpty()) {
            EXPECT_EQ(column(first(), "Ort"), expected->city);
        }
        EXPECT_EQ(first()->smallIcon(), searched == 2 ? 10 : 6);
        EXPECT_TRUE(window.lbID->toolTip().startsWith(u"Suchdauer1: "_s));
        EXPECT_FALSE(table.isOpen()); // closed again at the end of the run
    }
    EXPECT_EQ(searched, 3);
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(ActTableSearch, UnknownNumberAndUnreachableDatabaseAreNotFound)
{
    addToFreeList(u"99999999"_s, u"Notdienst"_s, u"Unbekannt"_s);
    identify(u"99999999"_s);
    EXPECT_EQ(column(first(), "Kontakt"), u"Notdienst"_s);
    EXPECT_EQ(first()->smallIcon(), 2);
    EXPECT_TRUE(ui.messages().isEmpty());

    // ACT! names a database that is not there: the table reports it, the
    // caller is not found.
    server.databaseName = dir.filePath(u"WEG/KUNDEN.dbf"_s);
    now = now.addSecs(60);
    identify(u"0301234567"_s);
    EXPECT_EQ(column(first(), "Kontakt"), u"Unbekannt"_s);
    EXPECT_EQ(ui.messages().size(), 1);
    EXPECT_FALSE(members.SearchBusy);

    // Not ready: ACT! is not asked.
    members.ACTMonitorReady = false;
    const qsizetype calls = server.calls().size();
    identify(u"0301234567"_s);
    EXPECT_EQ(server.calls().size(), calls);
}

} // namespace
