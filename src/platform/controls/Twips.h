#pragma once
#include <QWidget>
#include <cmath>

// Positions and sizes of windows and controls are given in twips; the screen
// shows 15 twips to the pixel.
namespace vorna::ui {

inline constexpr int TwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel.
constexpr int twips(int value)
{
    return value >= 0 ? (value + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-value + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

// Places a control relative to its window's client area or to its frame.
inline void placeTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

inline void moveTwips(QWidget* widget, int left, int top) { widget->move(twips(left), twips(top)); }

}  // namespace vorna::ui
