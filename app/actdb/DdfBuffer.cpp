#include "DdfBuffer.h"

#include "ActDbError.h"

DdfBuffer::DdfBuffer(const QByteArray& fileBytes, QString fileName)
    : m_length(fileBytes.size()), m_fileName(std::move(fileName))
{
    m_data.reserve(fileBytes.size() + 2);
    m_data.append('\0');
    m_data.append(fileBytes);
    m_data.append('\0');
}

void DdfBuffer::outOfRange(qint64 position) const
{
    throw ActDbError(ActDbError::SubscriptOutOfRange,
                     QStringLiteral("Index außerhalb des gültigen Bereichs (Position %1 der "
                                    "Felddefinitionsdatei %2, die %3 Bytes lang ist).")
                         .arg(position)
                         .arg(m_fileName)
                         .arg(m_length));
}

int DdfBuffer::byteAt(qint64 position) const
{
    if (position < 1 || position > m_length + 1)
        outOfRange(position);
    return static_cast<unsigned char>(m_data[position]);
}

DdfBuffer::Run DdfBuffer::runAt(qint64 position) const
{
    while (byteAt(position) == 0)
        ++position;
    const qint64 first = position;
    while (byteAt(position) != 0)
        ++position;
    return {QByteArrayView(m_data.constData() + first, position - first), position + 1};
}

QByteArray DdfBuffer::bytes(qint64 first, int count) const
{
    QByteArray out;
    out.reserve(count);
    for (int i = 0; i < count; ++i)
        out.append(char(byteAt(first + i)));
    return out;
}
