// The properties: a writable one stores its value and tells the container; a
// read-only one reports READONLY and keeps its value; deviceId checks the line
// and the device range and raises OnDeviceIDChanged.
#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/TapiMessages.h"

using namespace Qt::StringLiterals;

namespace {

template <class T> void store(Lintaro* q, T& field, const T& value, const QString& name)
{
    field = value;
    emit q->propertyChanged(name);
}

} // namespace

int Lintaro::deviceId() const
{
    return d->deviceId;
}

void Lintaro::setDeviceId(int value)
{
    if (d->st.lineOpen) {
        d->RaiseTapiMessage(LintaroCode::NO_CHANGEDRIVER_LINE_ISOPEN, u"deviceid"_s);
        return;
    }
    // A value outside the devices found keeps the current one (and still
    // raises the event, with the unchanged ID).
    if (value > d->deviceCount - 1)
        value = d->deviceId;
    if (value < 0)
        value = d->deviceId;
    store(this, d->deviceId, value, u"deviceId"_s);
    const LineDeviceEntry* device = d->lineDevice(d->deviceId, u"deviceid"_s);
    if (!device)
        return;
    d->numAddresses = device->numAddresses;
    emit OnDeviceIDChanged(d->deviceId);
}

int Lintaro::addressId() const
{
    return d->addressId;
}

void Lintaro::setAddressId(int value)
{
    store(this, d->addressId, value, u"addressId"_s);
}

int Lintaro::DeviceCount() const
{
    return d->deviceCount;
}

void Lintaro::setDeviceCount(int)
{
    d->RaiseTapiMessage(LintaroCode::READONLY, u"DeviceCount"_s);
}

QString Lintaro::DeviceName() const
{
    return d->deviceName;
}

void Lintaro::setDeviceName(const QString&)
{
    d->RaiseTapiMessage(LintaroCode::READONLY, d->designMode ? u"DeviceName"_s : u"Devicename"_s);
}

int Lintaro::NumAddresses() const
{
    return d->numAddresses;
}

void Lintaro::setNumAddresses(int)
{
    d->RaiseTapiMessage(LintaroCode::READONLY, u"NumAddresses"_s);
}

bool Lintaro::TapiPhoneExist() const
{
    return d->tapiPhoneExist;
}

void Lintaro::setTapiPhoneExist(bool)
{
    d->RaiseTapiMessage(LintaroCode::READONLY, u"TapiPhoneExist"_s);
}

bool Lintaro::waveSupported() const
{
    return d->waveSupported;
}

void Lintaro::setWaveSupported(bool)
{
    d->RaiseTapiMessage(LintaroCode::READONLY, u"waveSupported"_s);
}

bool Lintaro::autoPhoneOpen() const
{
    return d->autoPhoneOpen;
}

void Lintaro::setAutoPhoneOpen(bool value)
{
    store(this, d->autoPhoneOpen, value, u"autoPhoneOpen"_s);
}

int Lintaro::TAPI_LINECALLPRIVILEGE() const
{
    return d->callPrivilege;
}

void Lintaro::setTAPI_LINECALLPRIVILEGE(int value)
{
    store(this, d->callPrivilege, value, u"TAPI_LINECALLPRIVILEGE"_s);
}

int Lintaro::TAPI_LINEMEDIAMODE() const
{
    return d->mediaMode;
}

void Lintaro::setTAPI_LINEMEDIAMODE(int value)
{
    store(this, d->mediaMode, value, u"TAPI_LINEMEDIAMODE"_s);
}

int Lintaro::TAPI_LINEBEARERMODE() const
{
    return d->bearerMode;
}

void Lintaro::setTAPI_LINEBEARERMODE(int value)
{
    store(this, d->bearerMode, value, u"TAPI_LINEBEARERMODE"_s);
}

int Lintaro::TAPI_LINEADDRESSMODE() const
{
    return d->addressMode;
}

void Lintaro::setTAPI_LINEADDRESSMODE(int value)
{
    store(this, d->addressMode, value, u"TAPI_LINEADDRESSMODE"_s);
}

bool Lintaro::controlEnabled() const
{
    return d->enabled;
}

void Lintaro::setControlEnabled(bool value)
{
    store(this, d->enabled, value, u"Enabled"_s);
}

int Lintaro::debugLevel() const
{
    return d->debugLevel;
}

void Lintaro::setDebugLevel(int value)
{
    d->debugLevel = value;
    d->st.debugMask = value;
    emit propertyChanged(u"debugLevel"_s);
}

QString Lintaro::vexVersion() const
{
    return d->vexVersion;
}

void Lintaro::setVexVersion(const QString&)
{
    d->RaiseTapiMessage(LintaroCode::READONLY, u"vexVersion"_s);
}
