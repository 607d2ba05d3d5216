#include "control/line/TapiState.h"

TapiState& TapiState::process()
{
    static TapiState state;
    return state;
}
