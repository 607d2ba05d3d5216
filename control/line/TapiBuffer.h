#pragma once

#include "control/lintaro_export.h"
#include "platform/tapi/TapiTypes.h"

#include <QString>

#include <cstring>
#include <vector>

// A zero-filled buffer handed to a telephony function as one of its
// variable-size structures: dwTotalSize is the buffer's size, the variable
// parts follow the fixed part and are found through Size/Offset pairs.
class LINTARO_TESTS_EXPORT TapiBuffer {
public:
    explicit TapiBuffer(platform::tapi::DWORD totalSize);

    // The buffer as the structure T (every structure begins with dwTotalSize).
    template <class T> T* as() { return reinterpret_cast<T*>(m_bytes.data()); }
    template <class T> const T* as() const { return reinterpret_cast<const T*>(m_bytes.data()); }

    const char* data() const { return m_bytes.data(); }
    char* data() { return m_bytes.data(); }
    platform::tapi::DWORD size() const { return platform::tapi::DWORD(m_bytes.size()); }

    // Zero-fills it again, keeping dwTotalSize.
    void clear();

private:
    std::vector<char> m_bytes;
};

// The text of `size` bytes at `offset` of a structure, converted from the
// 8-bit code page and cut before the first NUL; "" when size is not above 0
// or offset is 0. Bytes beyond the buffer are never read.
LINTARO_TESTS_EXPORT QString ReadVarText(const TapiBuffer& structure, qint64 offset, qint64 size);

// The byte at `offset` (0 to 255); 0 when size is not above 0, offset is 0
// or the byte lies beyond the buffer. Used for device IDs in a VARSTRING,
// of which only the lowest byte is taken.
LINTARO_TESTS_EXPORT int ReadVarByte(const TapiBuffer& structure, qint64 offset, qint64 size);
