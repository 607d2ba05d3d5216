#pragma once

namespace fonkel {

// The main window's design positions and sizes, in twips.
struct frmHauptDesign {
    int margin = 120;           // left edge of frTapi, frAnruferliste, frAehnliche
    int tapiTop = 60;           // top of frTapi
    int tapiHeight = 1380;      // height of frTapi
    int anruferlisteTop = 1500; // top of frAnruferliste
    int listLeft = 120;         // left of lvNummern / lvKontakte within their frames
    int listTop = 240;          // top of lvNummern / lvKontakte within their frames
    int bannerWidth = 1440;
    int bannerHeight = 720;
    int bannerTop = 300; // within frTapi
    int panelCount = 4;
    int minimumWidth = 7575;
    int minimumHeight = 6540;
    int gapPixels = 6; // between frAnruferliste and frAehnliche
};

struct frmHauptLayoutInput {
    int innerWidth = 0;  // client width, twips
    int innerHeight = 0; // client height below the menu bar, status bar included
    int statusBarHeight = 0;
    bool autoNummern = true; // mark of mnuAutoNummern
};

// Everything the layout sets, in twips.
struct frmHauptLayoutResult {
    int panelWidth = 0; // panels 1, 2 and 3
    int frameWidth = 0; // frTapi, frAnruferliste, frAehnliche
    int bannerLeft = 0; // within frTapi
    int listWidth = 0;  // lvNummern and lvKontakte
    int anruferlisteHeight = 0;
    bool aehnlicheVisible = false;
    int aehnlicheTop = 0;
    int aehnlicheHeight = 0;
    int nummernHeight = 0;  // lvNummern
    int kontakteHeight = 0; // lvKontakte
};

// The arithmetic of the main window's layout: three equal status panels, full
// width frames with the same margin on both sides, and the height below the
// top frame split 60 : 40 between the caller list and the similar contacts
// (or all to the caller list when the similar-number search is off).
frmHauptLayoutResult computeHauptLayout(const frmHauptLayoutInput& input,
                                        const frmHauptDesign& design = {});

} // namespace fonkel
