#pragma once

#include <QString>

class Lintaro;

namespace fonkel {

// Turns one of the control's capability lists ("<A><B>", each item in angle
// brackets) into indented lines: a tab before each item, a line break after
// it, and the last line break cut to its carriage return. An empty list
// stays empty.
QString FormatCapabilityList(const QString& list);

// The report on the line device the control uses (its deviceId): the last
// caller-ID event when there is one, device name, TAPI version, provider and
// switch information, and the device's and its first address's capability
// lists.
QString DriverReport(Lintaro& control, const QString& lastCallEvent);

} // namespace fonkel
