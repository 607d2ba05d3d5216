// Canonical numbers become dialable strings for the current dialling location.
#include "TapiTestSupport.h"

#include "platform/tapi/AddressTranslator.h"

#include <QSettings>

using namespace tapitest;

namespace {

DiallingLocation berlinBehindPbx()
{
    return {1,
            QStringLiteral("Büro"),
            QStringLiteral("49"),
            QStringLiteral("30"),
            QStringLiteral("0"),
            QString()};
}

} // namespace

TEST(AddressTranslator, Cases)
{
    struct Case {
        const char* address;
        DiallingLocation location;
        DWORD options;
        const char* dialable; // nullptr: refused
        DWORD results;
    };
    const DiallingLocation berlin = berlinBehindPbx();
    DiallingLocation direct = berlin;
    direct.outsideAccess.clear();
    DiallingLocation separateLd = berlin;
    separateLd.longDistanceAccess = QStringLiteral("9");
    DiallingLocation newYork{
        2, QStringLiteral("NY"), QStringLiteral("1"), QStringLiteral("212"), QString(), QString()};
    constexpr DWORD canonical = LINETRANSLATERESULT_CANONICAL;
    const Case cases[] = {
        {"+49 (30) 1234567", berlin, 0, "01234567", canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (30) 1234567", direct, 0, "1234567", canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (221) 987654", berlin, 0, "00221987654",
         canonical | LINETRANSLATERESULT_LONGDISTANCE},
        {"+49 (221) 987654", separateLd, 0, "90221987654",
         canonical | LINETRANSLATERESULT_LONGDISTANCE},
        {"+43 (662) 1234", berlin, 0, "000436621234",
         canonical | LINETRANSLATERESULT_INTERNATIONAL},
        {"+49 1234567", berlin, 0, "01234567", canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (30) 123-45 67", berlin, 0, "01234567", canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (30) 1234567 ^Max Mustermann", berlin, 0, "01234567",
         canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (30) 1234567|12", berlin, 0, "01234567|12", canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (30) 1234567", berlin, LINETRANSLATEOPTION_FORCELD, "00301234567",
         canonical | LINETRANSLATERESULT_LONGDISTANCE},
        {"+49 (89) 1234", berlin, LINETRANSLATEOPTION_FORCELOCAL, "01234",
         canonical | LINETRANSLATERESULT_LOCAL},
        {"+49 (30) 1234567", newYork, 0, "01149301234567",
         canonical | LINETRANSLATERESULT_INTERNATIONAL},
        {"+1 (212) 5550100", newYork, 0, "5550100", canonical | LINETRANSLATERESULT_LOCAL},
        {"+1 (415) 5550100", newYork, 0, "14155550100",
         canonical | LINETRANSLATERESULT_LONGDISTANCE},
        {"+39 (06) 123456",
         DiallingLocation{3, QStringLiteral("Rom"), QStringLiteral("39"), QStringLiteral("02"),
                          QString(), QString()},
         0, "06123456", canonical | LINETRANSLATERESULT_LONGDISTANCE},
        // Not canonical: dialled as it stands.
        {"0301234567", berlin, 0, "0301234567", 0},
        {"0W123$", berlin, 0, "0W123$",
         LINETRANSLATERESULT_DIALDIALTONE | LINETRANSLATERESULT_DIALBILLING},
        // Refused.
        {"", berlin, 0, nullptr, 0},
        {"+", berlin, 0, nullptr, 0},
        {"+49 (30 1234", berlin, 0, nullptr, 0},
        {"+49 (30) 12x4", berlin, 0, nullptr, 0},
        {"+49 (30) 12 (3)", berlin, 0, nullptr, 0},
        {"+49 (30) 1", berlin, LINETRANSLATEOPTION_FORCELOCAL | LINETRANSLATEOPTION_FORCELD,
         nullptr, 0},
    };
    for (const Case& c : cases) {
        const TranslatedAddress out =
            AddressTranslator(c.location).translate(QString::fromUtf8(c.address), c.options);
        if (!c.dialable) {
            EXPECT_LT(out.result, 0) << c.address;
            continue;
        }
        EXPECT_EQ(out.result, 0) << c.address;
        EXPECT_EQ(out.dialable, QString::fromLatin1(c.dialable)) << c.address;
        EXPECT_EQ(out.translateResults, c.results) << c.address;
    }
}

namespace {

class Translation : public SimFixture {
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        m_app = initialize(m_log);
        m_version = negotiated(m_app, 0);
    }
    MessageLog m_log;
    HLINEAPP m_app = 0;
    DWORD m_version = 0;
};

} // namespace

// The service reads the current location from its configuration file, as a
// program that edits that file directly leaves it.
TEST_F(Translation, UsesTheCurrentLocationOfTheConfiguration)
{
    {
        QSettings settings(m_configPath, QSettings::IniFormat);
        settings.setValue(QStringLiteral("Locations/CurrentID"), QStringLiteral("2"));
        settings.setValue(QStringLiteral("Location1/Name"), QStringLiteral("Zuhause"));
        settings.setValue(QStringLiteral("Location1/CountryCode"), QStringLiteral("49"));
        settings.setValue(QStringLiteral("Location1/AreaCode"), QStringLiteral("30"));
        settings.setValue(QStringLiteral("Location2/Name"), QStringLiteral("Büro"));
        settings.setValue(QStringLiteral("Location2/CountryCode"), QStringLiteral("49"));
        settings.setValue(QStringLiteral("Location2/AreaCode"), QStringLiteral("89"));
        settings.setValue(QStringLiteral("Location2/OutsideAccess"), QStringLiteral("0"));
        settings.setValue(QStringLiteral("Location2/LongDistanceAccess"), QString());
    }
    Buffer<LINETRANSLATEOUTPUT> out(553);
    ASSERT_EQ(m_service->lineTranslateAddress(m_app, 0, m_version, "+49 (89) 4711", 0,
                                              LINETRANSLATEOPTION_CARDOVERRIDE, out.get()),
              0);
    EXPECT_EQ(out.text(out->dwDialableStringOffset, out->dwDialableStringSize),
              QStringLiteral("04711"));
    EXPECT_EQ(out.text(out->dwDisplayableStringOffset, out->dwDisplayableStringSize),
              QStringLiteral("04711"));
    EXPECT_EQ(out->dwDialableStringSize, 6u) << "with its NUL";
    EXPECT_EQ(out->dwCurrentCountry, 49u);
    EXPECT_EQ(out->dwDestCountry, 49u);
    EXPECT_EQ(out->dwTranslateResults,
              DWORD(LINETRANSLATERESULT_CANONICAL | LINETRANSLATERESULT_LOCAL));

    // Without a CurrentID the first location is taken.
    QSettings(m_configPath, QSettings::IniFormat).remove(QStringLiteral("Locations"));
    ASSERT_EQ(
        m_service->lineTranslateAddress(m_app, 0, m_version, "+49 (89) 4711", 0, 0, out.get()), 0);
    EXPECT_EQ(out.text(out->dwDialableStringOffset, out->dwDialableStringSize),
              QStringLiteral("0894711"));
}

TEST_F(Translation, DefaultsAndErrors)
{
    Buffer<LINETRANSLATEOUTPUT> out(553);
    // No configuration file: the built-in location (Germany, 30, no access code).
    ASSERT_EQ(
        m_service->lineTranslateAddress(m_app, 0, m_version, "+49 (40) 1234", 0, 0, out.get()), 0);
    EXPECT_EQ(out.text(out->dwDialableStringOffset, out->dwDialableStringSize),
              QStringLiteral("0401234"));

    Buffer<LINETRANSLATEOUTPUT> small(sizeof(LINETRANSLATEOUTPUT) + 4);
    ASSERT_EQ(
        m_service->lineTranslateAddress(m_app, 0, m_version, "+49 (40) 1234", 0, 0, small.get()),
        0);
    EXPECT_EQ(small->dwDialableStringSize, 0u);
    EXPECT_EQ(small->dwNeededSize, sizeof(LINETRANSLATEOUTPUT) + 2 * sizeof("0401234"));

    struct Case {
        HLINEAPP app;
        DWORD device;
        DWORD version;
        const char* address;
        DWORD card;
        DWORD options;
        DWORD size;
        LONG expected;
    };
    const Case cases[] = {
        {m_app + 1000, 0, m_version, "+49 1", 0, 0, 553, LINEERR_INVALAPPHANDLE},
        {m_app, 9, m_version, "+49 1", 0, 0, 553, LINEERR_BADDEVICEID},
        {m_app, 0, 0x00050000, "+49 1", 0, 0, 553, LINEERR_INCOMPATIBLEAPIVERSION},
        {m_app, 0, m_version, nullptr, 0, 0, 553, LINEERR_INVALPOINTER},
        {m_app, 0, m_version, "+49 1", 3, LINETRANSLATEOPTION_CARDOVERRIDE, 553, LINEERR_INVALCARD},
        {m_app, 0, m_version, "+49 1", 0, 0x100, 553, LINEERR_INVALPARAM},
        {m_app, 0, m_version, "+49 (30", 0, 0, 553, LINEERR_INVALADDRESS},
        {m_app, 0, m_version, "+49 1", 0, 0, 39, LINEERR_STRUCTURETOOSMALL},
        {0, 0, m_version, "+49 1", 0, 0, 553, 0}, // without an application, as TAPI 2 allows
    };
    for (const Case& c : cases) {
        Buffer<LINETRANSLATEOUTPUT> buffer(c.size);
        EXPECT_EQ(m_service->lineTranslateAddress(c.app, c.device, c.version, c.address, c.card,
                                                  c.options, buffer.get()),
                  c.expected)
            << (c.address ? c.address : "(null)") << " " << c.size;
    }
}
