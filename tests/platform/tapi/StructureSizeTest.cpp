// The size rules of the variable-size structures, seen through the service.
#include "TapiTestSupport.h"

using namespace tapitest;

namespace {

class StructureSize : public SimFixture {
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

TEST_F(StructureSize, BelowTheFixedPartIsRefused)
{
    Buffer<LINEDEVCAPS> caps(fixedSizeLineDevCaps(m_version) - 1);
    caps->dwNeededSize = 0x1234;
    EXPECT_EQ(m_service->lineGetDevCaps(m_app, 0, m_version, 0, caps.get()),
              LINEERR_STRUCTURETOOSMALL);
    EXPECT_EQ(caps->dwNeededSize, 0x1234u) << "a refused structure is left alone";

    Buffer<VARSTRING> id(sizeof(VARSTRING) - 1);
    const HLINE line = open(m_app, 0, LINECALLPRIVILEGE_MONITOR);
    EXPECT_EQ(m_service->lineGetID(line, 0, 0, LINECALLSELECT_LINE, id.get(), "wave/out"),
              LINEERR_STRUCTURETOOSMALL);
}

// With room for the fixed part only, no variable part is written, but
// dwNeededSize tells what a second call needs; that call gets everything.
TEST_F(StructureSize, NeededSizeTellsTheFullNeed)
{
    const DWORD fixed = fixedSizeLineDevCaps(m_version);
    Buffer<LINEDEVCAPS> small(fixed);
    ASSERT_EQ(m_service->lineGetDevCaps(m_app, 0, m_version, 0, small.get()), 0);
    EXPECT_EQ(small->dwUsedSize, fixed);
    EXPECT_GT(small->dwNeededSize, fixed);
    EXPECT_EQ(small->dwLineNameSize, 0u);
    EXPECT_EQ(small->dwLineNameOffset, 0u);
    EXPECT_EQ(small->dwNumAddresses, 1u) << "the fixed part is filled all the same";

    Buffer<LINEDEVCAPS> exact(small->dwNeededSize);
    ASSERT_EQ(m_service->lineGetDevCaps(m_app, 0, m_version, 0, exact.get()), 0);
    EXPECT_EQ(exact->dwUsedSize, exact->dwNeededSize);
    EXPECT_EQ(exact.text(exact->dwLineNameOffset, exact->dwLineNameSize),
              QStringLiteral("Simulierte Leitung 1"));
    EXPECT_EQ(exact.text(exact->dwProviderInfoOffset, exact->dwProviderInfoSize),
              QStringLiteral("Lintaro Simulationsvermittlung 1.0"));
    // Every part lies inside the buffer and after the fixed part.
    for (auto [size, offset] : {std::pair{exact->dwLineNameSize, exact->dwLineNameOffset},
                                {exact->dwProviderInfoSize, exact->dwProviderInfoOffset},
                                {exact->dwSwitchInfoSize, exact->dwSwitchInfoOffset},
                                {exact->dwDeviceClassesSize, exact->dwDeviceClassesOffset}}) {
        EXPECT_GE(offset, fixed);
        EXPECT_LE(offset + size, exact->dwTotalSize);
    }
}

// A buffer with room for some parts gets those that fit, in order.
TEST_F(StructureSize, PartsAreAppendedOnlyWhenTheyFit)
{
    const DWORD fixed = fixedSizeLineDevCaps(m_version);
    const DWORD providerInfo = sizeof("Lintaro Simulationsvermittlung 1.0");
    Buffer<LINEDEVCAPS> caps(fixed + providerInfo + 3);
    ASSERT_EQ(m_service->lineGetDevCaps(m_app, 0, m_version, 0, caps.get()), 0);
    EXPECT_EQ(caps->dwProviderInfoSize, providerInfo);
    EXPECT_EQ(caps->dwProviderInfoOffset, fixed);
    EXPECT_EQ(caps->dwSwitchInfoSize, 0u) << "the next part does not fit";
    EXPECT_EQ(caps->dwUsedSize, fixed + providerInfo);
    EXPECT_GT(caps->dwNeededSize, caps->dwTotalSize);
}

// A device that only speaks TAPI 1.4 fills the 1.4 fixed part, so a caller's
// 1.4-sized structure is enough, and nothing is written past it.
TEST_F(StructureSize, OlderVersionsUseTheirSmallerFixedPart)
{
    sim::SimConfig config = testConfig();
    config.lines[1].apiVersions = {TAPI_VERSION1_4, TAPI_VERSION1_4};
    start(config);
    const HLINEAPP app = initialize(m_log);
    ASSERT_EQ(negotiated(app, 1), TAPI_VERSION1_4);

    Buffer<LINEDEVCAPS> exact(240);
    EXPECT_EQ(m_service->lineGetDevCaps(app, 1, TAPI_VERSION1_4, 0, exact.get()), 0);

    Buffer<LINEDEVCAPS> caps(400);
    std::fill(caps.bytes.begin() + 240, caps.bytes.end(), char(0x55));
    ASSERT_EQ(m_service->lineGetDevCaps(app, 1, TAPI_VERSION1_4, 0, caps.get()), 0);
    EXPECT_EQ(caps->dwProviderInfoOffset, 240u) << "the variable part starts after 240 bytes";
    EXPECT_EQ(caps->dwUsedSize, caps->dwNeededSize);
    ASSERT_LT(caps->dwUsedSize, 400u);
    EXPECT_EQ(static_cast<unsigned char>(caps.bytes[caps->dwUsedSize]), 0x55)
        << "nothing written past dwUsedSize";
    EXPECT_EQ(caps.text(caps->dwLineNameOffset, caps->dwLineNameSize),
              QStringLiteral("Simulierte Leitung 2"));
}

TEST_F(StructureSize, CallInfoReportsTheSameWay)
{
    const HLINE line = open(m_app, 0, LINECALLPRIVILEGE_OWNER);
    ASSERT_NE(line, 0u);
    const HCALL call = offer(m_log, QStringLiteral("0301234567"), QStringLiteral("Max"));

    Buffer<LINECALLINFO> info(fixedSizeLineCallInfo(m_version));
    ASSERT_EQ(m_service->lineGetCallInfo(call, info.get()), 0);
    EXPECT_EQ(info->dwCallerIDSize, 0u);
    EXPECT_EQ(info->dwCallerIDFlags, LINECALLPARTYID_ADDRESS | LINECALLPARTYID_NAME);
    EXPECT_GT(info->dwNeededSize, info->dwTotalSize);

    Buffer<LINECALLINFO> full(info->dwNeededSize);
    ASSERT_EQ(m_service->lineGetCallInfo(call, full.get()), 0);
    EXPECT_EQ(full->dwCallerIDSize, sizeof("0301234567"));
    EXPECT_EQ(full.text(full->dwCallerIDOffset, full->dwCallerIDSize),
              QStringLiteral("0301234567"));

    Buffer<LINECALLINFO> tooSmall(fixedSizeLineCallInfo(m_version) - 4);
    EXPECT_EQ(m_service->lineGetCallInfo(call, tooSmall.get()), LINEERR_STRUCTURETOOSMALL);
}
