#include "platform/tapi/VarStructWriter.h"

namespace platform::tapi {

VarStructWriter::VarStructWriter(unsigned char* base, DWORD totalSize, DWORD fixedSize)
    : m_base(base), m_total(totalSize), m_fixed(fixedSize), m_needed(fixedSize), m_used(fixedSize)
{
}

bool VarStructWriter::inFixedPart(const DWORD& field) const
{
    const auto* p = reinterpret_cast<const unsigned char*>(&field);
    return p >= m_base && p + sizeof(DWORD) <= m_base + m_fixed;
}

void VarStructWriter::append(DWORD& sizeField, DWORD& offsetField, const QByteArray& data)
{
    if (!inFixedPart(sizeField) || !inFixedPart(offsetField))
        return;
    sizeField = 0;
    offsetField = 0;
    if (data.isEmpty())
        return;
    const auto size = static_cast<DWORD>(data.size());
    m_needed += size;
    if (static_cast<quint64>(m_used) + size > m_total)
        return;
    std::memcpy(m_base + m_used, data.constData(), size);
    sizeField = size;
    offsetField = m_used;
    m_used += size;
}

void VarStructWriter::finish()
{
    auto* fields = reinterpret_cast<DWORD*>(m_base);
    fields[1] = m_needed;
    fields[2] = m_used;
}

} // namespace platform::tapi
