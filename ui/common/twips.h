#pragma once

#include <QRect>
#include <QSize>

// The windows are laid out in twips (1/1440 inch). At 96 pixels an inch a pixel is 15
// twips, and every position of the layout is a multiple of 15, so each lands on a whole
// device-independent pixel; Qt scales those for high-DPI screens.
namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value)
{
    return value / kTwipsPerPixel;
}

// A rectangle given as Left, Top, Width, Height in twips.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    [[nodiscard]] QRect toPixels() const
    {
        return {twips(left), twips(top), twips(width), twips(height)};
    }
};

constexpr QSize twipsSize(int width, int height)
{
    return {twips(width), twips(height)};
}

} // namespace ui
