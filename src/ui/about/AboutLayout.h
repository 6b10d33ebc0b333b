#pragma once

#include "TwipRect.h"

namespace skarvel {

// The About dialog's whole geometry, in twips. The window's place is that of its client
// area on the screen; every control is measured from the client area's top-left corner. A
// line is the rectangle its pen covers: from its start to its end point, one pen width high.
struct AboutLayout {
    TwipRect frmAbout;

    TwipRect picIcon;
    TwipRect cmdOK;
    TwipRect cmdSysInfo;
    TwipRect lblDescription;
    TwipRect lblTitle;
    TwipRect lblVersion;
    TwipRect lblDisclaimer;
    TwipRect Line1Grey;  // Line1(1)
    TwipRect Line1White; // Line1(0)
};

inline constexpr AboutLayout aboutLayout{
    .frmAbout = {2340, 1935, 5730, 3555},

    .picIcon = {240, 240, 540, 540},
    .cmdOK = {4245, 2625, 1260, 345},
    .cmdSysInfo = {4260, 3075, 1245, 345},
    .lblDescription = {1050, 1125, 3885, 1170},
    .lblTitle = {1050, 240, 3885, 480},
    .lblVersion = {1050, 780, 3885, 225},
    .lblDisclaimer = {255, 2625, 3870, 825},
    .Line1Grey = {90, 2445, 5654 - 90, 1 * twipsPerPixel},
    .Line1White = {105, 2460, 5654 - 105, 2 * twipsPerPixel},
};

} // namespace skarvel
