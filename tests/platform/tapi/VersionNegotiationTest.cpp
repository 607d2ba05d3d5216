// API and extension versions: what a device accepts decides what a caller gets.
#include "TapiTestSupport.h"

#include "platform/tapi/VersionNegotiation.h"

using namespace tapitest;

TEST(VersionNegotiation, HighestCommonKnownVersion)
{
    struct Case {
        VersionRange device;
        DWORD low;
        DWORD high;
        DWORD expected; // 0: none
    };
    const Case cases[] = {
        {{TAPI_VERSION1_0, TAPI_VERSION3_1}, TAPI_VERSION1_0, TAPI_VERSION3_1, TAPI_VERSION3_1},
        {{TAPI_VERSION1_4, TAPI_VERSION1_4}, TAPI_VERSION1_0, TAPI_VERSION3_1, TAPI_VERSION1_4},
        {{TAPI_VERSION1_0, TAPI_VERSION2_2}, TAPI_VERSION2_0, TAPI_VERSION3_1, TAPI_VERSION2_2},
        // Between known versions the lower known one is taken, never an invented one.
        {{TAPI_VERSION1_0, 0x00025000}, TAPI_VERSION1_0, TAPI_VERSION3_1, TAPI_VERSION2_2},
        {{TAPI_VERSION2_0, TAPI_VERSION3_1}, TAPI_VERSION1_0, TAPI_VERSION1_4, 0},
        {{TAPI_VERSION1_0, TAPI_VERSION3_1}, TAPI_VERSION3_0, TAPI_VERSION2_0, 0}, // low > high
        {{TAPI_VERSION1_0, 0x00040000}, TAPI_VERSION1_0, 0x00040000, TAPI_VERSION3_1},
        {{}, TAPI_VERSION1_0, TAPI_VERSION3_1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(negotiateApiVersion(c.device, c.low, c.high), c.expected)
            << std::hex << c.device.low << "-" << c.device.high << " asked " << c.low << "-"
            << c.high;
    }
    EXPECT_EQ(negotiateExtVersion({0x00010000, 0x00010002}, 0, 0xFFFFFFFF), 0x00010002u);
    EXPECT_EQ(negotiateExtVersion({0x00010000, 0x00010002}, 0x00010001, 0x00010001), 0x00010001u);
    EXPECT_EQ(negotiateExtVersion({0x00010000, 0x00010002}, 0x00020000, 0xFFFFFFFF), 0u);
}

namespace {

class Versions : public SimFixture {
protected:
    void SetUp() override
    {
        sim::SimConfig config = testConfig();
        config.lines[1].apiVersions = {TAPI_VERSION1_4, TAPI_VERSION1_4};
        config.lines[1].extVersions = {0x00010000, 0x00010005};
        config.lines[1].extensionId = {1, 2, 3, 4};
        config.lines[1].refuseExtVersions = true;
        start(config);
        m_app = initialize(m_log);
    }
    MessageLog m_log;
    HLINEAPP m_app = 0;
};

} // namespace

TEST_F(Versions, DeviceRangeAndExtensionIdThroughTheService)
{
    DWORD version = 0;
    LINEEXTENSIONID id{};
    ASSERT_EQ(m_service->lineNegotiateAPIVersion(m_app, 1, TAPI_VERSION1_0, TAPI_VERSION3_1,
                                                 &version, &id),
              0);
    EXPECT_EQ(version, TAPI_VERSION1_4);
    EXPECT_EQ(id.dwExtensionID0, 1u);
    EXPECT_EQ(id.dwExtensionID3, 4u);
    EXPECT_EQ(m_service->lineNegotiateAPIVersion(m_app, 1, TAPI_VERSION2_0, TAPI_VERSION3_1,
                                                 &version, &id),
              LINEERR_INCOMPATIBLEAPIVERSION);
    EXPECT_EQ(m_service->lineNegotiateAPIVersion(m_app, 7, TAPI_VERSION1_0, TAPI_VERSION3_1,
                                                 &version, &id),
              LINEERR_BADDEVICEID);
    EXPECT_EQ(m_service->lineNegotiateAPIVersion(m_app + 100, 0, TAPI_VERSION1_0, TAPI_VERSION3_1,
                                                 &version, &id),
              LINEERR_INVALAPPHANDLE);

    // Capabilities are only given for a version the device speaks.
    Buffer<LINEDEVCAPS> caps;
    EXPECT_EQ(m_service->lineGetDevCaps(m_app, 1, TAPI_VERSION3_1, 0, caps.get()),
              LINEERR_INCOMPATIBLEAPIVERSION);
    EXPECT_EQ(m_service->lineGetDevCaps(m_app, 1, 0, 0, caps.get()),
              LINEERR_INCOMPATIBLEAPIVERSION);
    EXPECT_EQ(m_service->lineGetDevCaps(m_app, 1, TAPI_VERSION1_4, 0, caps.get()), 0);
}

TEST_F(Versions, ExtensionVersions)
{
    DWORD ext = 0;
    EXPECT_EQ(m_service->lineNegotiateExtVersion(m_app, 1, TAPI_VERSION1_4, 0, 0xFFFFFFFF, &ext),
              0);
    EXPECT_EQ(ext, 0x00010005u);
    EXPECT_EQ(
        m_service->lineNegotiateExtVersion(m_app, 1, TAPI_VERSION1_4, 0x00020000, 0xFFFFFFFF, &ext),
        LINEERR_INCOMPATIBLEEXTVERSION);
    // Line 2 of the built-in set has no extensions at all.
    start(testConfig());
    const HLINEAPP app = initialize(m_log);
    EXPECT_EQ(m_service->lineNegotiateExtVersion(app, 1, TAPI_VERSION3_1, 0, 0xFFFFFFFF, &ext),
              LINEERR_OPERATIONUNAVAIL);
    EXPECT_EQ(m_service->lineNegotiateExtVersion(app, 0, TAPI_VERSION3_1, 0, 0xFFFFFFFF, &ext), 0);
}

// A driver that negotiates an extension version but will not work with it:
// opening and querying with it fail, with extension version 0 they work.
TEST_F(Versions, RefusedExtensionVersionFallsBackToNone)
{
    DWORD ext = 0;
    ASSERT_EQ(m_service->lineNegotiateExtVersion(m_app, 1, TAPI_VERSION1_4, 0, 0xFFFFFFFF, &ext),
              0);
    HLINE line = 0;
    EXPECT_EQ(m_service->lineOpen(m_app, 1, &line, TAPI_VERSION1_4, ext, 0,
                                  LINECALLPRIVILEGE_MONITOR, 0, nullptr),
              LINEERR_INCOMPATIBLEEXTVERSION);
    EXPECT_EQ(line, 0u);
    Buffer<LINEDEVCAPS> caps;
    EXPECT_EQ(m_service->lineGetDevCaps(m_app, 1, TAPI_VERSION1_4, ext, caps.get()),
              LINEERR_INCOMPATIBLEEXTVERSION);
    Buffer<LINEADDRESSCAPS> address(8369);
    EXPECT_EQ(m_service->lineGetAddressCaps(m_app, 1, 0, TAPI_VERSION1_4, ext, address.get()),
              LINEERR_INCOMPATIBLEEXTVERSION);

    EXPECT_EQ(m_service->lineOpen(m_app, 1, &line, TAPI_VERSION1_4, 0, 0, LINECALLPRIVILEGE_MONITOR,
                                  0, nullptr),
              0);
    EXPECT_NE(line, 0u);
    EXPECT_EQ(m_service->lineGetDevCaps(m_app, 1, TAPI_VERSION1_4, 0, caps.get()), 0);
    EXPECT_EQ(caps.text(caps->dwLineNameOffset, caps->dwLineNameSize),
              QStringLiteral("Simulierte Leitung 2"));
}

TEST_F(Versions, Initialisation)
{
    HLINEAPP app = 0;
    DWORD devices = 0;
    DWORD version = 0x00010002;
    LINEINITIALIZEEXPARAMS params{
        sizeof params, 0, 0, LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    EXPECT_EQ(
        m_service->lineInitializeEx(&app, 0, m_log.callback(), "x", &devices, &version, &params),
        LINEERR_INCOMPATIBLEAPIVERSION);
    version = TAPI_VERSION1_4; // an application written for 1.4 is served too
    ASSERT_EQ(
        m_service->lineInitializeEx(&app, 0, m_log.callback(), "x", &devices, &version, &params),
        0);
    EXPECT_EQ(version, TAPI_CURRENT_VERSION);
    EXPECT_EQ(devices, 2u);
    EXPECT_EQ(params.dwNeededSize, 24u);

    // Only the hidden-window delivery is served.
    LINEINITIALIZEEXPARAMS event{sizeof event, 0, 0, LINEINITIALIZEEXOPTION_USEEVENT, 0, 0};
    EXPECT_EQ(
        m_service->lineInitializeEx(&app, 0, m_log.callback(), "x", &devices, &version, &event),
        LINEERR_INVALPARAM);
    LINEINITIALIZEEXPARAMS small{
        sizeof small - 4, 0, 0, LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    EXPECT_EQ(
        m_service->lineInitializeEx(&app, 0, m_log.callback(), "x", &devices, &version, &small),
        LINEERR_STRUCTURETOOSMALL);
    EXPECT_EQ(
        m_service->lineInitializeEx(&app, 0, m_log.callback(), "x", &devices, &version, nullptr),
        LINEERR_INVALPOINTER);
}
