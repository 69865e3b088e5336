#ifndef MERVANE_CORE_DESIGN_FRMSPLASH_H
#define MERVANE_CORE_DESIGN_FRMSPLASH_H

#include "core/design/design.h"

namespace core::design {

// How long the splash stays over the main window, from the end of loading.
inline constexpr int kSplashMs = 2000;

inline constexpr Control kFrmSplashControls[] = {
    // kind  name             left  top   width height text                                   accessible colour font      align   tab     flags
    {Frame,  "fraMainFrame",   120,  120, 7740, 3615, "",                                     "",        Face,  Sans,     Left,   kNoTab, kNoFlags},
    {Image,  "picLogo",        945,  840, 2460, 2460, "logo.jpg",                             "",        Face,  Sans,     Left,   kNoTab, kNoFlags, {}, {}, "fraMainFrame"},
    {Label,  "Label2",         240,  240, 5415,  375, "Software for the helping professions", "",        Face,  Splash14, Left,   kNoTab, kNoFlags, {}, {}, "fraMainFrame"},
    {Label,  "Label1",        4680,  480, 1785,  615, "Quenlo",                               "",        Face,  Splash24, Centre, kNoTab, kNoFlags, {}, {}, "fraMainFrame"},
    {Label,  "lblProductName", 4230, 1155, 2985,  420, "Mervane",                             "",        Face,  Splash18, Centre, kNoTab, kAutoSize, {}, {}, "fraMainFrame"},
    {Label,  "Label3",        3885, 1755, 3675,  450, "Score Norms Calculator",               "",        Face,  Splash18, Centre, kNoTab, kNoFlags, {}, {}, "fraMainFrame"},
    {Label,  "lblCopyright",  4080, 2400, 3375,  495, "Copyright \u00A9 2026 T. M. Lorvi",     "",        Face,  Splash14, Left,   kNoTab, kNoFlags, {}, {}, "fraMainFrame"},
    {Label,  "lblCompanyName", 4200, 3000, 3135,  330, "quenlo.example",                      "",        Face,  Splash14, Left,   kNoTab, kAutoSize, {}, {}, "fraMainFrame"},
};

inline constexpr Window frmSplash{"frmSplash", "", 8040, 3915, Border::None, Icon::None, kFrmSplashControls};

}  // namespace core::design

#endif
