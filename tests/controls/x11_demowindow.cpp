#include "controls/xpbuttonlook.h"
#include "demowindow.h"
#include "support/esperar.h"

#include <QCursor>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// The demo window on a real X server: a few pixels of each look, read back from the
// server, where fonts cannot change them.
TEST(DemoWindowOnX11, ShowsEveryLookOnScreen)
{
    DemoWindow window;
    window.move(0, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, teste::kPrazo));
    window.pressKeys();

    bool hovered = false;
    QObject::connect(window.hovered, &XPButton::MouseOver, [&hovered] { hovered = true; });
    QCursor::setPos(window.hovered->mapToGlobal(QPoint(20, 11)));
    QTRY_VERIFY_WITH_TIMEOUT(hovered, teste::kPrazo);

    QImage shot;
    const auto at = [&](XPButton* b, int x, int y) {
        const QPoint p = b->mapTo(&window, QPoint(x, y));
        return fromQRgb(shot.pixel(p));
    };
    const ColourRef face = GetSysColor(COLOR_BTNFACE);
    const ColourRef base = ShiftColour(face, 48, false);
    const ColourRef pressedTop = ShiftColour(ShiftColour(base, -16, false), -32, false);
    // The server may show the last paint a moment later than the button made it.
    QTRY_VERIFY_WITH_TIMEOUT(
        (shot = window.screen()->grabWindow(window.winId()).toImage(), at(window.hovered, 1, 10) == 0x31B2FF), teste::kPrazo);

    EXPECT_EQ(at(window.normal, 0, 0), face) << "the rounded corner shows the window";
    EXPECT_EQ(at(window.normal, 0, 10), 0x733C00u);
    EXPECT_EQ(at(window.normal, 1, 1), 0x7B4D10u);
    EXPECT_EQ(at(window.normal, 5, 18), ShiftColour(base, GradientShift(22, 18), false));
    EXPECT_EQ(at(window.hovered, 10, 20), 0x0096E7u);
    EXPECT_EQ(at(window.defaultButton, 10, 1), 0xFFE7CEu);
    EXPECT_EQ(at(window.pressed, 10, 1), pressedTop);
    EXPECT_EQ(at(window.toggled, 10, 1), pressedTop);
    EXPECT_EQ(at(window.disabled, 5, 5), ShiftColour(base, -24, false));
    EXPECT_EQ(at(window.recoloured, 0, 10), 0x733C00u);
}

}  // namespace
