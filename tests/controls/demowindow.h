#pragma once

#include "controls/xpbutton.h"

#include <QImage>
#include <QWidget>

namespace tarvelo {

// A window with 75 x 22 buttons in every look, on a plain button-face background: one
// per row of the first column (normal, hovered, focused, pressed, disabled, a toggled
// check-box button) and variants in the second (soft bevel, recoloured, raised caption,
// pictures left and above, a default button).
class DemoWindow : public QWidget {
public:
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 22;

    DemoWindow();
    // Shows the "Pressed" button pressed; a show repaints buttons in their normal look, so
    // this comes after it.
    void pressKeys();

    // Top-left corner of the button in column c, row r.
    static QPoint cell(int column, int row) { return QPoint(10 + column * 95, 10 + row * 32); }

    XPButton* normal;
    XPButton* hovered;
    XPButton* focused;
    XPButton* pressed;
    XPButton* disabled;
    XPButton* toggled;
    XPButton* soft;
    XPButton* recoloured;
    XPButton* raised;
    XPButton* pictureLeft;
    XPButton* pictureAbove;
    XPButton* defaultButton;
};

// A 16 x 16 icon: a red disc with a white centre on a transparent square.
QImage demoIcon();

}  // namespace tarvelo
