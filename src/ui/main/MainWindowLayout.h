#pragma once

#include "TwipRect.h"

namespace skarvel {

// The main window's whole geometry, in twips. Row controls give row 0; row k lies
// rowPitch * k further down.
struct MainWindowLayout {
    TwipRect client;

    // In the client area.
    TwipRect frmcharacters;
    TwipRect frmcreatures;
    TwipRect frmoptions;
    TwipRect Frame1;
    TwipRect Label8;
    TwipRect Label9;
    TwipRect cmdInfo;

    // In frmcharacters.
    TwipRect Label1;
    TwipRect Label2;
    TwipRect Label3;
    TwipRect txtcharname;
    TwipRect txtcharac;
    TwipRect shpishit;

    // In frmcreatures.
    TwipRect Label4;
    TwipRect Label5;
    TwipRect txtbonus;
    TwipRect txthitpoints;
    TwipRect cmdAttack;

    // In frmoptions.
    TwipRect Label6;
    TwipRect cmbHitDie;
    TwipRect Label7;
    TwipRect cmbHitAC;

    // In Frame1.
    TwipRect lblRoll;

    int rowPitch;
};

inline constexpr MainWindowLayout mainWindowLayout{
    .client = {0, 0, 5880, 5595},

    .frmcharacters = {120, 120, 2775, 3495},
    .frmcreatures = {3120, 120, 2655, 3495},
    .frmoptions = {120, 3720, 3135, 1215},
    .Frame1 = {3360, 3720, 2415, 1215},
    .Label8 = {120, 5040, 2775, 255},
    .Label9 = {120, 5280, 3255, 255},
    .cmdInfo = {4920, 5040, 855, 375},

    .Label1 = {120, 240, 1335, 255},
    .Label2 = {1560, 240, 495, 255},
    .Label3 = {2160, 240, 495, 255},
    .txtcharname = {120, 480, 1335, 285},
    .txtcharac = {1560, 480, 495, 285},
    .shpishit = {2280, 480, 255, 255},

    .Label4 = {240, 240, 735, 255},
    .Label5 = {1080, 240, 735, 255},
    .txtbonus = {240, 480, 735, 285},
    .txthitpoints = {1080, 480, 735, 285},
    .cmdAttack = {1920, 480, 615, 255},

    .Label6 = {120, 240, 1215, 255},
    .cmbHitDie = {1200, 240, 855, 315},
    .Label7 = {120, 720, 1215, 255},
    .cmbHitAC = {1200, 720, 1815, 315},

    .lblRoll = {240, 360, 1935, 615},

    .rowPitch = 360,
};

// A row control's place in the given row.
constexpr TwipRect inRow(const TwipRect& rowZero, int row) {
    return rowZero.movedDown(row * mainWindowLayout.rowPitch);
}

} // namespace skarvel
