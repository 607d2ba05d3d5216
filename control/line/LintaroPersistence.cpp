// The control's properties in the host's saved form.
#include "control/line/Lintaro.h"
#include "control/line/LintaroPrivate.h"
#include "control/line/LintaroPropertyBag.h"
#include "control/line/LintaroVersion.h"

using namespace Qt::StringLiterals;

void Lintaro::saveProperties(LintaroPropertyBag& bag) const
{
    bag.writeProperty(u"TAPI_LINECALLPRIVILEGE"_s, d->callPrivilege, 6);
    bag.writeProperty(u"TAPI_LINEBEARERMODE"_s, d->bearerMode, 1);
    bag.writeProperty(u"TAPI_LINEMEDIAMODE"_s, d->mediaMode, 4);
    bag.writeProperty(u"TAPI_LINEADDRESSMODE"_s, d->addressMode, 65535);
    bag.writeProperty(u"Enabled"_s, d->enabled, false);
    bag.writeProperty(u"deviceid"_s, d->deviceId, 0);
    bag.writeProperty(u"DeviceCount"_s, d->deviceCount, 0);
    bag.writeProperty(u"vexVersion"_s, d->vexVersion, u"1.1"_s);
    bag.writeProperty(u"BackColor"_s, d->backColor, 0x8000000Fu);
    bag.writeProperty(u"DeviceName"_s, d->deviceName, QString());
    bag.writeProperty(u"autoPhoneOpen"_s, d->autoPhoneOpen, false);
    bag.writeProperty(u"PhoneDeviceExist"_s, d->phoneDeviceExistFlag, false);
    bag.writeProperty(u"NumAddresses"_s, d->numAddresses, 0);
    bag.writeProperty(u"waveSupported"_s, d->waveSupported, false);
    bag.writeProperty(u"addressId"_s, d->addressId, 0);
    bag.writeProperty(u"debugLevel"_s, d->debugLevel, 0);
}

void Lintaro::loadProperties(const LintaroPropertyBag& bag)
{
    // Straight into the fields: no checks, no messages, no events.
    const auto number = [&](const QString& key, int fallback) {
        return bag.readProperty(key, fallback).toInt();
    };
    const auto flag = [&](const QString& key) { return bag.readProperty(key, false).toBool(); };
    d->callPrivilege = number(u"TAPI_LINECALLPRIVILEGE"_s, 6);
    d->bearerMode = number(u"TAPI_LINEBEARERMODE"_s, 1);
    d->mediaMode = number(u"TAPI_LINEMEDIAMODE"_s, 4);
    d->addressMode = number(u"TAPI_LINEADDRESSMODE"_s, 65535);
    d->enabled = flag(u"Enabled"_s);
    d->deviceId = number(u"deviceid"_s, 0);
    d->deviceCount = number(u"DeviceCount"_s, 0);
    d->vexVersion = bag.readProperty(u"vexVersion"_s, u"1.1"_s).toString();
    d->deviceName = bag.readProperty(u"DeviceName"_s, QString()).toString();
    d->autoPhoneOpen = flag(u"autoPhoneOpen"_s);
    d->phoneDeviceExistFlag = flag(u"PhoneDeviceExist"_s);
    d->numAddresses = number(u"NumAddresses"_s, 0);
    d->waveSupported = flag(u"waveSupported"_s);
    d->addressId = number(u"addressId"_s, 0);
    d->debugLevel = number(u"debugLevel"_s, 0);

    d->st.debugMask = d->debugLevel;
    d->st.lineOpen = false;
    d->relays.bindAll();
    // A loaded control names its build, whatever the form held.
    d->vexVersion = lintaroVersion();
}
