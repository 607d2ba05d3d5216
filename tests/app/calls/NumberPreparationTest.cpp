#include "app/calls/NumberPreparation.h"
#include "app/core/frmHaupt.h"
#include "app/core/modOptionen.h"
#include "platform/settings/IniSettingsStore.h"
#include "platform/ui/ScriptedUserInterface.h"

#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fonkel::NumberPreparation;
using platform::ui::Answer;

namespace {

class NumberPreparationTest : public ::testing::Test {
protected:
    void setMarks(bool plusFilter, bool add, bool remove, bool withoutZero = false)
    {
        window.mnuTAPIPlusKlammerFilter->setChecked(plusFilter);
        window.mnuTapiNull->setChecked(add);
        window.mnuTAPINullEntfernen->setChecked(remove);
        window.mnuKeineNullBeimSuchen->setChecked(withoutZero);
    }
    void storeOption(const QString& key, const QString& text)
    {
        store.setValue(QStringLiteral("Optionen"), key, text);
    }
    QString stored(const QString& key) const
    {
        return store.value(QStringLiteral("Optionen"), key, QStringLiteral("<absent>"));
    }

    QTemporaryDir dir;
    platform::settings::IniSettingsStore store{dir.filePath(QStringLiteral("Fonkel.ini"))};
    fonkel::modOptionen options{store};
    platform::ui::ScriptedUserInterface ui;
    fonkel::frmHaupt window{ui};
    NumberPreparation prep{window, options, ui};
};

TEST_F(NumberPreparationTest, IncomingNumbersFollowFilterAndPrefixMode)
{
    const struct {
        const char* number;
        const char* party;
        bool plus, add, remove;
        const char* prefix; // nullptr: option absent
        const char* shown;
    } cases[] = {
        {"+49 30 1234", "<ADDRESS>", true, true, false, nullptr, "0301234"},
        {"+49 (30) 123456", "<ADDRESS>", true, true, false, nullptr, "030123456"},
        {"+4930123456", "<ADDRESS>", true, false, false, nullptr, "004930123456"},
        {" 0301234 ", "<ADDRESS>", false, false, true, nullptr, "301234"},
        {"301234", "<ADDRESS>", false, false, true, nullptr, "301234"},
        {" 0301234 ", "<ADDRESS>", false, false, false, nullptr, " 0301234 "},
        {"0301234", "<ADDRESS>", false, false, true, "", "0301234"},
        {"0049301234", "<ADDRESS>", false, false, true, "0049", "301234"},
        {"301234", "<ADDRESS>", false, true, false, "9", "9301234"},
        {"301234", "<ADDRESS>", false, true, true, nullptr, "301234"}, // both marked: neither
        {"0301234", "Anrufer <ADDRESS>", false, true, false, nullptr, "00301234"},
        {"0301234", "", true, true, false, nullptr, "keine Nummer"},
        {"0301234", "<address>", false, false, false, nullptr, "keine Nummer"},
        {"+49", "<ADDRESS>", true, false, false, nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        setMarks(c.plus, c.add, c.remove);
        if (c.prefix)
            storeOption("Prefix", QString::fromUtf8(c.prefix));
        else
            store.remove("Optionen", "Prefix");
        EXPECT_EQ(
            prep.PrepareIncomingNumber(QString::fromUtf8(c.number), QString::fromUtf8(c.party)),
            QString::fromUtf8(c.shown));
    }
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(NumberPreparationTest, ANumberReducedToNothingBecomesZeroWithAMessage)
{
    setMarks(true, false, false);
    const QString shown = prep.PrepareIncomingNumber("+49", "<ADDRESS>");
    EXPECT_EQ(prep.ReplaceMissingNumber(shown), "0");
    ASSERT_EQ(ui.messages().size(), 1);
    EXPECT_EQ(ui.messages().first().text,
              "Ihr Tapi-Treiber meldet einen Anruf mit Telefonnummer,\r\n"
              "jedoch wurde keine Nummer an Fonkel übergeben.\r\n"
              "Die Nummer wird auf '0' gesetzt.");
    EXPECT_EQ(ui.messages().first().title, "Fonkel");

    EXPECT_EQ(prep.ReplaceMissingNumber("   "), "   ");
    EXPECT_EQ(ui.messages().size(), 1);
}

TEST_F(NumberPreparationTest, TheFilterMatchesRawNumbersExactly)
{
    EXPECT_FALSE(prep.IsFilteredNumber("0401234").has_value());
    prep.setNummernfilter("0301234,0401234");
    EXPECT_EQ(prep.IsFilteredNumber("0401234"), std::optional<QString>("0401234"));
    EXPECT_EQ(prep.IsFilteredNumber("0301234"), std::optional<QString>("0301234"));
    for (const QString raw : {"+490401234", "040 1234", "040123", "04012345", ""})
        EXPECT_FALSE(prep.IsFilteredNumber(raw).has_value()) << raw.toStdString();

    prep.setNummernfilter("0301234,,abc");
    EXPECT_FALSE(prep.IsFilteredNumber("").has_value());
    EXPECT_FALSE(prep.IsFilteredNumber("ABC").has_value());
    EXPECT_TRUE(prep.IsFilteredNumber("abc").has_value());
}

TEST_F(NumberPreparationTest, SearchNumbersLoseCountryCodeAndOptionallyTheZero)
{
    const struct {
        const char* shown;
        const char* country;
        bool withoutZero;
        const char* kennung; // nullptr: option absent ("00")
        const char* searched;
    } cases[] = {
        {"004312345", "43", false, nullptr, "12345"},
        {"00431234567", "43", true, nullptr, "1234567"},
        {"0043012345", "43", true, nullptr, "12345"},
        {"0301234", "", true, nullptr, "301234"},
        {"0301234", "", false, nullptr, "0301234"},
        {"", "", true, nullptr, ""},
        {"000491234", "49", false, "000", "1234"},
        {"0041", "41", false, nullptr, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        setMarks(false, false, false, c.withoutZero);
        if (c.kennung)
            storeOption("InternationaleKennung", QString::fromUtf8(c.kennung));
        else
            store.remove("Optionen", "InternationaleKennung");
        EXPECT_EQ(prep.SearchNumber(QString::fromUtf8(c.shown), QString::fromUtf8(c.country)),
                  QString::fromUtf8(c.searched));
    }
}

TEST_F(NumberPreparationTest, FilterDialogCleansAndSavesTheAnswer)
{
    prep.setNummernfilter("0301");
    ui.inputNext(QStringLiteral("030 / 12-34 , (040)55+; #"));
    window.mnuNummernfilter->trigger();

    ASSERT_EQ(ui.inputs().size(), 1);
    EXPECT_EQ(ui.inputs().first().prompt,
              "Bitte geben Sie die Nummer(n) ein, auf die Fonkel nicht reagieren soll.");
    EXPECT_EQ(ui.inputs().first().title, "Fonkel - Nummernfilter");
    EXPECT_EQ(ui.inputs().first().defaultText, "0301");
    EXPECT_EQ(prep.nummernfilter(), "0301234,04055");
    EXPECT_EQ(stored("Nummernfilter"), "0301234,04055");
    EXPECT_TRUE(ui.messages().isEmpty());
}

TEST_F(NumberPreparationTest, CancellingTheFilterDialogAsksBeforeDeletingTheFilter)
{
    const struct {
        const char* before;
        std::optional<QString> answer;
        Answer confirm;
        bool asks;
        const char* after;
        const char* saved;
    } cases[] = {
        {"0301", std::nullopt, Answer::No, true, "0301", "<absent>"},
        {"0301", std::nullopt, Answer::Yes, true, "", ""},
        {"0301", QString(), Answer::Yes, true, "", ""},
        {"", std::nullopt, Answer::Yes, false, "", ""},
        {"0301", QStringLiteral("+ ; #"), Answer::Yes, false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " / " +
                     (c.answer ? c.answer->toStdString() : "Cancel"));
        store.remove("Optionen", "Nummernfilter");
        ui.clear();
        prep.setNummernfilter(QString::fromUtf8(c.before));
        ui.inputNext(c.answer);
        ui.answerNext(c.confirm);

        window.mnuNummernfilter->trigger();

        ASSERT_EQ(ui.messages().size(), c.asks ? 1 : 0);
        if (c.asks) {
            EXPECT_EQ(ui.messages().first().text, "Wollen Sie den Nummernfilter wirklich löschen?");
            EXPECT_EQ(ui.messages().first().icon, platform::ui::Icon::Question);
            EXPECT_EQ(ui.messages().first().buttons, platform::ui::Buttons::YesNo);
        }
        EXPECT_EQ(prep.nummernfilter(), QString::fromUtf8(c.after));
        EXPECT_EQ(stored("Nummernfilter"), QString::fromUtf8(c.saved));
    }
}

TEST_F(NumberPreparationTest, PrefixDialogChangesThePrefixAndTheCaptions)
{
    prep.BuildPrefixCaptions();
    EXPECT_EQ(window.mnuTapiNull->text(), "Präfix (0) hin&zufügen");

    ui.inputNext(QStringLiteral("00"));
    window.mnuTapiNullAendern->trigger();
    ASSERT_EQ(ui.inputs().size(), 1);
    EXPECT_EQ(ui.inputs().first().prompt, "Bitte geben Sie das Präfix ein.");
    EXPECT_EQ(ui.inputs().first().title, "Fonkel - Präfix");
    EXPECT_EQ(ui.inputs().first().defaultText, "0");
    EXPECT_EQ(stored("Prefix"), "00");
    EXPECT_EQ(window.mnuTapiNullAendern->text(), "Präfix (00) än&dern");
    EXPECT_EQ(window.mnuTapiNull->text(), "Präfix (00) hin&zufügen");
    EXPECT_EQ(window.mnuTAPINullEntfernen->text(), "Präfix (00) ent&fernen");

    // Cancel, an empty answer and the same prefix change nothing.
    for (const std::optional<QString>& answer :
         {std::optional<QString>(), std::optional<QString>(QString()),
          std::optional<QString>(QStringLiteral("00"))}) {
        ui.inputNext(answer);
        window.mnuTapiNullAendern->trigger();
        EXPECT_EQ(stored("Prefix"), "00");
        EXPECT_EQ(window.mnuTapiNull->text(), "Präfix (00) hin&zufügen");
    }

    // A prefix changed in the store shows at the next rebuild.
    storeOption("Prefix", "9");
    prep.BuildPrefixCaptions();
    EXPECT_EQ(window.mnuTAPINullEntfernen->text(), "Präfix (9) ent&fernen");
}

TEST_F(NumberPreparationTest, AtMostOnePrefixModeCarriesItsMark)
{
    const auto marks = [&] {
        return std::pair(window.mnuTapiNull->isChecked(), window.mnuTAPINullEntfernen->isChecked());
    };
    window.mnuTapiNull->trigger();
    EXPECT_EQ(marks(), std::pair(true, false));
    EXPECT_EQ(prep.NullOption(), 1);
    window.mnuTAPINullEntfernen->trigger();
    EXPECT_EQ(marks(), std::pair(false, true));
    EXPECT_EQ(prep.NullOption(), -1);
    window.mnuTAPINullEntfernen->trigger();
    EXPECT_EQ(marks(), std::pair(false, false));
    EXPECT_EQ(prep.NullOption(), 0);
    window.mnuTAPINullEntfernen->trigger();
    window.mnuTapiNull->trigger();
    window.mnuTapiNull->trigger();
    EXPECT_EQ(marks(), std::pair(false, false));

    // The stored option: 1 add, -1 remove, 0 neither; anything else keeps the marks.
    const std::pair<int, std::pair<bool, bool>> options[] = {{1, {true, false}},
                                                             {-1, {false, true}},
                                                             {2, {false, true}},
                                                             {0, {false, false}},
                                                             {5, {false, false}}};
    for (const auto& [value, expected] : options) {
        prep.ApplyNullOption(value);
        EXPECT_EQ(marks(), expected) << value;
    }
}

TEST_F(NumberPreparationTest, TogglesOnlyReverseTheirMarks)
{
    for (QAction* item : {window.mnuTAPIPlusKlammerFilter, window.mnuKeineNullBeimSuchen}) {
        EXPECT_FALSE(item->isChecked());
        item->trigger();
        EXPECT_TRUE(item->isChecked());
        item->trigger();
        EXPECT_FALSE(item->isChecked());
    }
    EXPECT_TRUE(ui.messages().isEmpty());
    EXPECT_TRUE(ui.inputs().isEmpty());
}

} // namespace
