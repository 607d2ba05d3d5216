#include "control/line/TapiBuffer.h"

#include "platform/tapi/Codepage1252.h"

#include <QByteArray>

#include <algorithm>

using platform::tapi::DWORD;

TapiBuffer::TapiBuffer(DWORD totalSize) : m_bytes(std::max<DWORD>(totalSize, sizeof(DWORD)), 0)
{
    clear();
}

void TapiBuffer::clear()
{
    std::fill(m_bytes.begin(), m_bytes.end(), 0);
    const DWORD total = size();
    std::memcpy(m_bytes.data(), &total, sizeof total);
}

QString ReadVarText(const TapiBuffer& structure, qint64 offset, qint64 size)
{
    if (size <= 0 || offset <= 0 || offset >= structure.size())
        return QString();
    const qint64 available = std::min<qint64>(size, structure.size() - offset);
    QByteArray bytes(structure.data() + offset, qsizetype(available));
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        bytes.truncate(nul);
    return platform::tapi::fromCodepage1252(bytes);
}

int ReadVarByte(const TapiBuffer& structure, qint64 offset, qint64 size)
{
    if (size <= 0 || offset <= 0 || offset >= structure.size())
        return 0;
    return static_cast<unsigned char>(structure.data()[offset]);
}
