// Line initialisation and device discovery: TapiLineInit registers the control
// as a line application and negotiates, for every line device, the versions
// that every later call for that device passes again.
#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TapiErrors.h"
#include "platform/tapi/TelephonyService.h"

#include <sys/auxv.h>

using namespace Qt::StringLiterals;
using namespace platform::tapi;

namespace {

// The highest version the control asks for, and the lowest a device must take.
constexpr DWORD kApiVersionAsked = TAPI_VERSION3_1;
constexpr DWORD kLowestDeviceVersion = TAPI_VERSION1_0;

} // namespace

DWORD_PTR LintaroPrivate::hostModuleHandle()
{
    // The page the host program's headers were loaded at.
    return DWORD_PTR(getauxval(AT_PHDR)) & ~DWORD_PTR(0xFFF);
}

LineDeviceEntry* LintaroPrivate::lineDevice(int id, const QString& origin)
{
    if (id < 0 || size_t(id) >= st.lineDevices.size()) {
        RaiseTapiMessage(LINEERR_BADDEVICEID, origin);
        return nullptr;
    }
    return &st.lineDevices[size_t(id)];
}

LONG LintaroPrivate::getDevCaps(DWORD id, const LineDeviceEntry& device, TapiBuffer& buffer)
{
    LONG result = tapi.lineGetDevCaps(st.hLineApp, id, device.apiVersion, device.extVersion,
                                      buffer.as<LINEDEVCAPS>());
    if (result < 0) {
        buffer.clear();
        result =
            tapi.lineGetDevCaps(st.hLineApp, id, device.apiVersion, 0, buffer.as<LINEDEVCAPS>());
    }
    return result;
}

LONG LintaroPrivate::getAddressCaps(DWORD id, DWORD address, const LineDeviceEntry& device,
                                    TapiBuffer& buffer)
{
    LONG result = tapi.lineGetAddressCaps(st.hLineApp, id, address, device.apiVersion,
                                          device.extVersion, buffer.as<LINEADDRESSCAPS>());
    if (result < 0) {
        buffer.clear();
        result = tapi.lineGetAddressCaps(st.hLineApp, id, address, device.apiVersion, 0,
                                         buffer.as<LINEADDRESSCAPS>());
    }
    return result;
}

void Lintaro::TapiLineInit()
{
    TapiState& st = d->st;
    const QString origin = u"TapiLineInit"_s;
    if (st.hLineApp != 0) {
        d->RaiseTapiMessage(LintaroCode::TAPI_ALREADY_INITIALIZED, origin);
        return;
    }
    st.hInstance = 0;
    st.hLineApp = 0;
    st.lineDeviceCount = 0;
    d->logEntry(LogBit::LineInit, u"11A"_s, st.hLineApp, u""_s);
    st.hInstance = LintaroPrivate::hostModuleHandle();

    DWORD apiVersion = kApiVersionAsked;
    LINEINITIALIZEEXPARAMS params{sizeof(LINEINITIALIZEEXPARAMS),         0, 0,
                                  LINEINITIALIZEEXOPTION_USEHIDDENWINDOW, 0, 0};
    const LONG initialized =
        d->tapi.lineInitializeEx(&st.hLineApp, st.hInstance, d->lineCallback(), "Lintaro",
                                 &st.lineDeviceCount, &apiVersion, &params);
    d->logEntry(LogBit::LineInit, u"11B"_s, st.hLineApp, initialized);
    d->deviceCount = int(st.lineDeviceCount);
    if (initialized < 0) {
        d->RaiseTapiMessage(initialized, origin);
        return;
    }

    const DWORD count = st.lineDeviceCount;
    if (count > 0) {
        st.lineDevices.assign(count, LineDeviceEntry{});
        // One result variable, as the log shows it: an entry "11E" without a
        // retry carries the result logged before.
        LONG result = 0;
        for (DWORD i = 0; i < count; ++i) {
            LineDeviceEntry& device = st.lineDevices[i];
            result =
                d->tapi.lineNegotiateAPIVersion(st.hLineApp, i, kLowestDeviceVersion, apiVersion,
                                                &device.apiVersion, &device.extensionId);
            d->logEntry(LogBit::LineInit, u"11C"_s + QString::number(i), LONG(device.apiVersion),
                        result);
            d->logEntry(LogBit::LineInit,
                        u"11C-1"_s + QString::number(LONG(device.extensionId.dwExtensionID0)),
                        u""_s, u""_s);
        }
        for (DWORD i = 0; i < count; ++i) {
            LineDeviceEntry& device = st.lineDevices[i];
            result = d->tapi.lineNegotiateExtVersion(st.hLineApp, i, device.apiVersion, 0,
                                                     0xFFFFFFFF, &device.extVersion);
            if (result < 0)
                device.extVersion = 0;
            d->logEntry(LogBit::LineInit, u"11D"_s + QString::number(i), LONG(device.extVersion),
                        result);
        }
        TapiBuffer caps(TapiSize::LINEDEVCAPS);
        for (DWORD i = 0; i < count; ++i) {
            LineDeviceEntry& device = st.lineDevices[i];
            // Zero-filled for each device: one whose capabilities cannot be
            // read gets no name rather than the previous device's.
            caps.clear();
            const LONG first = d->tapi.lineGetDevCaps(st.hLineApp, i, device.apiVersion,
                                                      device.extVersion, caps.as<LINEDEVCAPS>());
            if (first < 0) {
                caps.clear();
                result = d->tapi.lineGetDevCaps(st.hLineApp, i, device.apiVersion, 0,
                                                caps.as<LINEDEVCAPS>());
                if (result < 0)
                    d->RaiseTapiMessage(result, u"getDevCaps"_s);
            }
            d->logEntry(LogBit::LineInit, u"11E"_s + QString::number(i), LONG(device.extVersion),
                        result);
            const LINEDEVCAPS& fixed = *caps.as<LINEDEVCAPS>();
            device.name = ReadVarText(caps, fixed.dwLineNameOffset, fixed.dwLineNameSize);
            device.numAddresses = LONG(fixed.dwNumAddresses);
            d->logEntry(LogBit::LineInit, u"11F"_s + QString::number(i), device.name,
                        device.numAddresses);
        }
    }

    d->relays.bindUnbound();
    d->RaiseTapiMessage(LintaroCode::SUCCESS, origin);
}

QString Lintaro::getDeviceName(int deviceId)
{
    const LineDeviceEntry* device = d->lineDevice(deviceId, u"getDeviceName"_s);
    if (!device)
        return QString();
    TapiBuffer caps(TapiSize::LINEDEVCAPS);
    const LONG result = d->getDevCaps(DWORD(deviceId), *device, caps);
    if (result < 0)
        d->RaiseTapiMessage(result, u"getDeviceName"_s);
    const LINEDEVCAPS& fixed = *caps.as<LINEDEVCAPS>();
    return ReadVarText(caps, fixed.dwLineNameOffset, fixed.dwLineNameSize);
}

int Lintaro::getTapiVersion(int deviceId)
{
    const LineDeviceEntry* device = d->lineDevice(deviceId, u"getTapiVersion"_s);
    if (!device)
        return 0;
    // The hexadecimal digits read as a decimal number: 0x00020002 is 20002.
    // Versions are made of decimal digits; anything else has no such reading.
    bool decimal = false;
    const int version = QString::number(device->apiVersion, 16).toInt(&decimal, 10);
    return decimal ? version : 0;
}
