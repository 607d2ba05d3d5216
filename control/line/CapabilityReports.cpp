// Capability reports: the device's, an address's and a call's capabilities
// as texts of tokens, read afresh from the telephony service on every call.
#include "control/line/CapabilityReports.h"

#include "control/line/CapabilityTokens.h"
#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/TapiNames.h"
#include "platform/tapi/TelephonyService.h"

using namespace Qt::StringLiterals;
using namespace platform::tapi;

// --- The control's methods --------------------------------------------------------

QString Lintaro::getProviderInfo(int deviceId)
{
    return d->reports.getProviderInfo(deviceId);
}

QString Lintaro::getSwitchInfo(int deviceId)
{
    return d->reports.getSwitchInfo(deviceId);
}

QString Lintaro::getCallStates(int deviceId)
{
    return d->reports.getCallStates(deviceId);
}

QString Lintaro::getCallinfoStates(int deviceId)
{
    return d->reports.getCallinfoStates(deviceId);
}

QString Lintaro::getParkModes(int deviceId)
{
    return d->reports.getParkModes(deviceId);
}

QString Lintaro::getCallFeatures(int deviceId)
{
    return d->reports.getCallFeatures(deviceId);
}

QString Lintaro::getAddress(int deviceId, int addressId)
{
    return d->reports.getAddress(deviceId, addressId);
}

QString Lintaro::getDialtoneModes(int deviceId)
{
    return d->reports.getDialtoneModes(deviceId);
}

QString Lintaro::getBusyModes(int deviceId)
{
    return d->reports.getBusyModes(deviceId);
}

QString Lintaro::getDisconnectModes(int deviceId)
{
    return d->reports.getDisconnectModes(deviceId);
}

QString Lintaro::getBearerModes(int deviceId)
{
    return d->reports.getBearerModes(deviceId);
}

QString Lintaro::getMediaModes(int deviceId)
{
    return d->reports.getMediaModes(deviceId);
}

QString Lintaro::getAddressModes(int deviceId)
{
    return d->reports.getAddressModes(deviceId);
}

QString Lintaro::getActiveCallFeatures(int CCallHandle)
{
    return d->reports.getActiveCallFeatures(CCallHandle);
}

// --- Device reports ------------------------------------------------------------------------

namespace {

// Provider and switch information: "n/a" when the device has none.
QString infoText(const TapiBuffer& caps, DWORD offset, DWORD size)
{
    return size != 0 ? ReadVarText(caps, offset, size) : u"n/a"_s;
}

// Queries the capabilities of one device. A failed query leaves the buffer
// zero-filled: the report is then made from nothing ("" or "n/a").
template <typename Query>
TapiBuffer queryCaps(LintaroPrivate& d, int deviceId, DWORD size, const QString& origin,
                     Query query)
{
    TapiBuffer caps(size);
    const LineDeviceEntry* device = d.lineDevice(deviceId, origin);
    if (!device)
        return caps;
    const LONG result = query(*device, caps);
    if (result < 0) {
        caps.clear();
        d.RaiseTapiMessage(result, origin);
    }
    return caps;
}

} // namespace

TapiBuffer CapabilityReports::deviceCaps(int deviceId, const QString& origin)
{
    return queryCaps(d, deviceId, TapiSize::LINEDEVCAPS, origin,
                     [&](const LineDeviceEntry& device, TapiBuffer& caps) {
                         return d.getDevCaps(DWORD(deviceId), device, caps);
                     });
}

TapiBuffer CapabilityReports::addressCaps(int deviceId, int addressId, const QString& origin)
{
    return queryCaps(d, deviceId, TapiSize::LINEADDRESSCAPS, origin,
                     [&](const LineDeviceEntry& device, TapiBuffer& caps) {
                         return d.getAddressCaps(DWORD(deviceId), DWORD(addressId), device, caps);
                     });
}

QString CapabilityReports::getProviderInfo(int deviceId)
{
    const TapiBuffer caps = deviceCaps(deviceId, u"getProviderInfo"_s);
    const LINEDEVCAPS& fixed = *caps.as<LINEDEVCAPS>();
    return infoText(caps, fixed.dwProviderInfoOffset, fixed.dwProviderInfoSize);
}

QString CapabilityReports::getSwitchInfo(int deviceId)
{
    const TapiBuffer caps = deviceCaps(deviceId, u"getSwitchInfo"_s);
    const LINEDEVCAPS& fixed = *caps.as<LINEDEVCAPS>();
    return infoText(caps, fixed.dwSwitchInfoOffset, fixed.dwSwitchInfoSize);
}

QString CapabilityReports::getAddressModes(int deviceId)
{
    const TapiBuffer caps = deviceCaps(deviceId, u"getAddressModes"_s);
    return CapabilityTokens::addressModes(caps.as<LINEDEVCAPS>()->dwAddressModes);
}

QString CapabilityReports::getBearerModes(int deviceId)
{
    const TapiBuffer caps = deviceCaps(deviceId, u"getBearerModes"_s);
    return CapabilityTokens::bearerModes(caps.as<LINEDEVCAPS>()->dwBearerModes);
}

QString CapabilityReports::getMediaModes(int deviceId)
{
    const TapiBuffer caps = deviceCaps(deviceId, u"getMediamodes"_s);
    return CapabilityTokens::mediaModes(caps.as<LINEDEVCAPS>()->dwMediaModes);
}

// --- Address reports (address 0, except getAddress) ------------------------------------------

QString CapabilityReports::getCallStates(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"getCallStates"_s);
    return CapabilityTokens::callStates(caps.as<LINEADDRESSCAPS>()->dwCallStates);
}

QString CapabilityReports::getCallinfoStates(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"getCallInfoStates"_s);
    return CapabilityTokens::callInfoStates(caps.as<LINEADDRESSCAPS>()->dwCallInfoStates);
}

QString CapabilityReports::getParkModes(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"getParkModes"_s);
    return CapabilityTokens::parkModes(caps.as<LINEADDRESSCAPS>()->dwParkModes);
}

QString CapabilityReports::getCallFeatures(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"getCallFeatures"_s);
    return CapabilityTokens::callFeatures(caps.as<LINEADDRESSCAPS>()->dwCallFeatures);
}

QString CapabilityReports::getDialtoneModes(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"getDialtoneModes"_s);
    return CapabilityTokens::dialToneModes(caps.as<LINEADDRESSCAPS>()->dwDialToneModes);
}

QString CapabilityReports::getBusyModes(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"get BusyModes"_s);
    return CapabilityTokens::busyModes(caps.as<LINEADDRESSCAPS>()->dwBusyModes);
}

QString CapabilityReports::getDisconnectModes(int deviceId)
{
    const TapiBuffer caps = addressCaps(deviceId, 0, u"getDisconnectModes"_s);
    return CapabilityTokens::disconnectModes(caps.as<LINEADDRESSCAPS>()->dwDisconnectModes);
}

QString CapabilityReports::getAddress(int deviceId, int addressId)
{
    const TapiBuffer caps = addressCaps(deviceId, addressId, u"getAddress"_s);
    const LINEADDRESSCAPS& fixed = *caps.as<LINEADDRESSCAPS>();
    return ReadVarText(caps, fixed.dwAddressOffset, fixed.dwAddressSize);
}

// --- A call -----------------------------------------------------------------------------------

QString CapabilityReports::getActiveCallFeatures(int CCallHandle)
{
    TapiState& st = d.st;
    constexpr int kLastCallerNumber = -1;
    constexpr int kCurrentCallState = -2;
    if (CCallHandle == kLastCallerNumber) {
        // Each caller number is handed out once.
        const QString number = st.lastCallerNumber;
        st.lastCallerNumber.clear();
        return number;
    }
    TapiBuffer status(TapiSize::LINECALLSTATUS);
    if (CCallHandle == kCurrentCallState) {
        // A failed query leaves state 0, which reads "0".
        d.tapi.lineGetCallStatus(st.currentCall, status.as<LINECALLSTATUS>());
        return platform::tapi::callStateName(status.as<LINECALLSTATUS>()->dwCallState);
    }
    const HCALL call = CCallHandle != 0 ? HCALL(CCallHandle) : st.featureCall;
    if (call == 0)
        return QString();
    const LONG result = d.tapi.lineGetCallStatus(call, status.as<LINECALLSTATUS>());
    if (result < 0) {
        d.RaiseTapiMessage(result, u"getActCallFeatures"_s);
        return QString();
    }
    return CapabilityTokens::callFeatures(status.as<LINECALLSTATUS>()->dwCallFeatures);
}
