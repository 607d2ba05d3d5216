#include "control/wave/WaveDeviceId.h"

#include "control/line/LintaroPrivate.h"
#include "control/line/TapiBuffer.h"
#include "control/line/TapiSizes.h"
#include "platform/tapi/TapiConstants.h"
#include "platform/tapi/TelephonyService.h"

#include <cmath>

using namespace Qt::StringLiterals;
using namespace platform::tapi;

namespace {

// Larger blocks than this come only from a malformed "fmt " chunk (a 0.3 s
// block of 192 kHz, 32 bit, 8 channels still fits).
constexpr double kMaxBlockBytes = 16 * 1024 * 1024;

} // namespace

std::optional<quint8> lineWaveDeviceId(LintaroPrivate& d, const char* deviceClass)
{
    TapiState& st = d.st;
    TapiBuffer id(TapiSize::VARSTRING);
    LONG result = d.tapi.lineGetID(st.hLine, 0, st.currentCall, LINECALLSELECT_LINE,
                                   id.as<VARSTRING>(), deviceClass);
    if (result < 0) {
        id.clear();
        result = d.tapi.lineGetID(st.hLine, 0, st.currentCall, LINECALLSELECT_CALL,
                                  id.as<VARSTRING>(), deviceClass);
    }
    if (result < 0) {
        d.RaiseTapiMessage(result, u"getWaveID"_s);
        return std::nullopt;
    }
    const VARSTRING& answer = *id.as<VARSTRING>();
    return quint8(ReadVarByte(id, answer.dwStringOffset, answer.dwStringSize));
}

quint32 waveBlockBytes(quint32 samplesPerSec, quint16 blockAlign, quint16 channels, double seconds)
{
    if (blockAlign == 0)
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    double bytes = std::nearbyint(double(samplesPerSec) * blockAlign * channels * seconds);
    bytes -= std::fmod(bytes, double(blockAlign));
    if (bytes <= 0 || bytes > kMaxBlockBytes)
        return 0;
    return quint32(bytes);
}
