#pragma once

// The splash window frmSplash and the About window frmAbout as designed.

#include "identity/product.h"
#include "ui/description/twips.h"

#include <array>

namespace description {

// What a label shows; the notice is filled in when the window loads.
enum class LabelText { Company, ProductName, Version, Copyright, Warning };

struct Label {
    const char* name;
    LabelText text;
    TwipsRect rect;
    double points;
    bool bold;
    bool wrap;
    bool centred;
};

inline constexpr TwipsSize kSplashClientSize{7380, 4620};
inline constexpr TwipsRect kSplashFrame{150, 60, 7065, 4395}; // Frame1; the rest lies inside
inline constexpr TwipsRect kSplashLogo{120, 240, 3060, 3555}; // imgLogo, in Frame1
inline constexpr int kSplashMilliseconds = 2000;              // Timer1

inline constexpr std::array kSplashLabels{
    Label{"lblCompanyProduct", LabelText::Company, {3240, 120, 3675, 525}, 18, true, false, true},
    Label{"lblProductName", LabelText::ProductName, {3360, 600, 3435, 2250}, 27.75, true, true, true},
    Label{"lblVersion", LabelText::Version, {3240, 3000, 3675, 345}, 12, true, false, true},
    Label{"lblCopyright", LabelText::Copyright, {3240, 3420, 3675, 285}, 8.25, false, false, true},
    Label{"lblWarning", LabelText::Warning, {120, 3840, 6825, 495}, 6.75, false, true, true},
};

inline constexpr TwipsSize kAboutClientSize{7200, 4875};
inline constexpr TwipsRect kAboutOk{5565, 4080, 1260, 585};  // cmdOK, default and cancel
inline constexpr char kOkCaption[] = "OK";                   // cmdOK's, and a message's button
inline constexpr TwipsRect kAboutLogo{120, 120, 3060, 3555}; // Image1

inline constexpr std::array kAboutLabels{
    Label{"lblTitle", LabelText::Company, {3240, 120, 3915, 720}, 20.25, true, false, true},
    Label{"Label1", LabelText::ProductName, {3240, 960, 3855, 375}, 14.25, true, false, true},
    Label{"lblVersion", LabelText::Version, {3240, 1560, 3885, 345}, 9.75, true, false, true},
    Label{"lblWarning", LabelText::Warning, {3240, 2040, 3855, 1635}, 8.25, false, true, true},
    Label{"lblCopyright", LabelText::Copyright, {120, 3960, 5295, 285}, 8.25, false, false, false},
};

// Line1, the etched separator: a grey line over a white one, from x1 to x2 at y.
struct Line {
    int index;
    int x1;
    int x2;
    int y;
    int widthPixels;
    unsigned char grey; // red, green and blue alike
};
inline constexpr std::array kAboutLines{
    Line{1, 90, 7080, 3765, 1, 128},
    Line{0, 105, 7080, 3780, 2, 255},
};

} // namespace description
