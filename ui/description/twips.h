#pragma once

// Positions and sizes in twips (1/1440 inch), as the windows are designed; each front end
// maps them to pixels at its screen's resolution.

namespace description {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct TwipsSize {
    int width;
    int height;
};

inline constexpr int kTwipsPerInch = 1440;

inline constexpr double kPointsPerInch = 72; // a font's size in points

// The dots an inch of a screen at 100 %: Qt's device-independent pixels and CSS pixels.
inline constexpr int kLogicalDotsPerInch = 96;

// Pixels for `twips` at `dotsPerInch`, rounded down (at 96 dots an inch, 15 twips each).
constexpr int pixelsAt(int twips, int dotsPerInch)
{
    return twips * dotsPerInch / kTwipsPerInch;
}

} // namespace description
