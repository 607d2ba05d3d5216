#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform::db::dbase {

// ACT! stores its text in Windows-1252. The five codes that the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, as Windows itself does, so every byte survives a round trip.
class Windows1252 {
public:
    static QString decode(QByteArrayView bytes);
    static QChar decode(unsigned char byte);
    // Characters outside the code page become '?'; *lossless (when given) tells
    // whether that happened.
    static QByteArray encode(QStringView text, bool* lossless = nullptr);
};

} // namespace platform::db::dbase
