#include "frmHauptLayout.h"

#include "Twips.h"

#include <cmath>

namespace fonkel {

frmHauptLayoutResult computeHauptLayout(const frmHauptLayoutInput& input,
                                        const frmHauptDesign& design)
{
    frmHauptLayoutResult r;
    r.panelWidth = input.innerWidth / design.panelCount;
    r.frameWidth = input.innerWidth - 2 * design.margin;
    r.bannerLeft = r.frameWidth - design.bannerWidth - design.margin;
    r.listWidth = r.frameWidth - 2 * design.listLeft;

    const int h =
        input.innerHeight - design.anruferlisteTop - input.statusBarHeight - 2 * design.margin;
    if (input.autoNummern) {
        r.anruferlisteHeight = static_cast<int>(std::lround(h * 0.6));
        r.aehnlicheHeight = static_cast<int>(std::lround(h * 0.4));
        r.aehnlicheVisible = true;
    } else {
        r.anruferlisteHeight = h;
        r.aehnlicheVisible = false;
        r.aehnlicheHeight = 0;
    }
    r.aehnlicheTop =
        design.anruferlisteTop + r.anruferlisteHeight + twips::fromPixels(design.gapPixels);
    r.nummernHeight = r.anruferlisteHeight - 2 * design.listTop;
    r.kontakteHeight = r.aehnlicheHeight - 2 * design.listTop;
    return r;
}

} // namespace fonkel
