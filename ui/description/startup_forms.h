#pragma once

// The splash window frmSplash and the About window frmAbout as designed.

#include "identity/product.h"
#include "ui/description/twips.h"

#include <array>

namespace description {

// What a label shows.
enum class LabelText { Company, ProductName, Version, Copyright, Warning };

struct Label {
    const char* name;
    LabelText text;
    TwipsRect rect;
    double points;
    bool bold;
    bool wrap;
    bool centred;
    bool filledOnLoad = false; // written anew when the window loads (texts.h: loadedText)
};

// A named part of a window: a frame, a picture.
struct Part {
    const char* name;
    TwipsRect rect;
};

inline constexpr char kSplashName[] = "frmSplash";
inline constexpr TwipsSize kSplashClientSize{7380, 4620};
inline constexpr Part kSplashFrame{"Frame1", {150, 60, 7065, 4395}};  // the rest lies inside
inline constexpr Part kSplashLogo{"imgLogo", {120, 240, 3060, 3555}}; // in Frame1
inline constexpr char kSplashTimerName[] = "Timer1";
inline constexpr int kSplashMilliseconds = 2000; // Timer1's

inline constexpr std::array kSplashLabels{
    Label{"lblCompanyProduct", LabelText::Company, {3240, 120, 3675, 525}, 18, true, false, true},
    Label{"lblProductName", LabelText::ProductName, {3360, 600, 3435, 2250}, 27.75, true, true, true},
    Label{"lblVersion", LabelText::Version, {3240, 3000, 3675, 345}, 12, true, false, true, true},
    Label{"lblCopyright", LabelText::Copyright, {3240, 3420, 3675, 285}, 8.25, false, false, true, true},
    Label{"lblWarning", LabelText::Warning, {120, 3840, 6825, 495}, 6.75, false, true, true},
};

// A button of its own, outside the calculator's table: About's OK, which Enter and Esc
// both press.
struct Button {
    const char* name;
    const char* caption;
    TwipsRect rect;
    bool isDefault; // pressed by Enter
    bool isCancel;  // pressed by Esc
};

inline constexpr char kAboutName[] = "frmAbout";
inline constexpr TwipsSize kAboutClientSize{7200, 4875};
inline constexpr char kOkCaption[] = "OK"; // cmdOK's, and a message's button
inline constexpr Button kAboutOk{"cmdOK", kOkCaption, {5565, 4080, 1260, 585}, true, true};
inline constexpr Part kAboutLogo{"Image1", {120, 120, 3060, 3555}};

inline constexpr std::array kAboutLabels{
    Label{"lblTitle", LabelText::Company, {3240, 120, 3915, 720}, 20.25, true, false, true},
    Label{"Label1", LabelText::ProductName, {3240, 960, 3855, 375}, 14.25, true, false, true},
    Label{"lblVersion", LabelText::Version, {3240, 1560, 3885, 345}, 9.75, true, false, true},
    Label{"lblWarning", LabelText::Warning, {3240, 2040, 3855, 1635}, 8.25, false, true, true},
    Label{"lblCopyright", LabelText::Copyright, {120, 3960, 5295, 285}, 8.25, false, false, false, true},
};

// Line1, the etched separator: a grey line over a white one, from x1 to x2 at y.
inline constexpr char kAboutLineName[] = "Line1";
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
