#pragma once

#include "platform/tapi/TapiTypes.h"

#include <QByteArray>

#include <cstring>

namespace platform::tapi {

// Fills a variable-size structure in the caller's buffer by the size rules:
// the fixed part is written (dwTotalSize kept), each variable part is appended
// after it only if it still fits, dwNeededSize counts every part and
// dwUsedSize what was written. Every such structure starts with dwTotalSize,
// dwNeededSize and dwUsedSize.
class VarStructWriter {
public:
    // Copies the fixed part of `source` (up to fixedSize bytes, without its
    // first three fields) into `target`, whose dwTotalSize must be at least
    // fixedSize; the Size/Offset fields are cleared by the appends.
    template <class Struct>
    VarStructWriter(Struct* target, const Struct& source, DWORD fixedSize)
        : VarStructWriter(reinterpret_cast<unsigned char*>(target), target->dwTotalSize, fixedSize)
    {
        constexpr DWORD header = 3 * sizeof(DWORD);
        std::memcpy(m_base + header, reinterpret_cast<const unsigned char*>(&source) + header,
                    fixedSize - header);
    }

    // Appends one variable part described by the two fields of the structure.
    // A field that lies beyond the fixed part (a newer version's) is skipped.
    void append(DWORD& sizeField, DWORD& offsetField, const QByteArray& data);
    // Writes dwNeededSize and dwUsedSize.
    void finish();

    DWORD neededSize() const { return m_needed; }

private:
    VarStructWriter(unsigned char* base, DWORD totalSize, DWORD fixedSize);
    bool inFixedPart(const DWORD& field) const;

    unsigned char* m_base;
    DWORD m_total;
    DWORD m_fixed;
    DWORD m_needed;
    DWORD m_used;
};

} // namespace platform::tapi
