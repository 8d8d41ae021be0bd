#include "platform/drawing.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

constexpr ColourRef kWhite = 0xFFFFFF;
constexpr ColourRef kInk = 0x0000C0;

DeviceContext surface(int w, int h)
{
    DeviceContext dc(w, h);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    dc.selectFont(font);
    dc.setTextColour(kInk);
    dc.setBkMode(BkMode::Transparent);
    return dc;
}

// How many pixels of a column range in a row block have the colour.
int count(const DeviceContext& dc, const QRect& area, ColourRef colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += dc.GetPixel(x, y) == colour;
    return n;
}

TEST(DrawText, MeasuresWrappedLinesTheWayItDrawsThem)
{
    DeviceContext dc = surface(10, 10);
    const int lh = dc.lineHeight();
    const int wordWidth = dc.textWidth(u"Remove");
    ASSERT_GT(lh, 0);

    // Two words that do not fit side by side take a line each; the box narrows to the
    // widest line.
    Rect r{5, 7, 5 + wordWidth + 10, 100};
    EXPECT_EQ(dc.DrawText(u"Remove Remove", r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER), 2 * lh);
    EXPECT_EQ(r, (Rect{5, 7, 5 + wordWidth, 7 + 2 * lh}));

    // A word wider than the box widens it instead of breaking.
    Rect narrow{0, 0, 3, 0};
    dc.DrawText(u"Remove", narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.right, wordWidth);
    EXPECT_EQ(narrow.bottom, lh);

    // Access-key markers take no room: "&&" is one "&", "&x" is x.
    Rect a{0, 0, 100, 0}, b{0, 0, 100, 0};
    dc.DrawText(u"A&&B&c", a, DT_CALCRECT);
    dc.DrawText(u"A&Bc", b, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(a, b);

    Rect lines{0, 0, 100, 0};
    EXPECT_EQ(dc.DrawText(u"one\r\ntwo\r\n", lines, DT_CALCRECT), 2 * lh);
    Rect empty{3, 4, 50, 60};
    dc.DrawText(u"", empty, DT_CALCRECT);
    EXPECT_EQ(empty, (Rect{3, 4, 3, 4}));
}

TEST(DrawText, DrawsMonochromeInTheTextColourClippedToTheBox)
{
    DeviceContext dc = surface(60, 20);
    Rect r{0, 0, 60, 20};
    dc.DrawText(u"Wm", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    const QRect all(0, 0, 60, 20);
    const int ink = count(dc, all, kInk);
    EXPECT_GT(ink, 10);
    EXPECT_EQ(ink + count(dc, all, kWhite), 60 * 20) << "no antialiased pixels";

    DeviceContext clipped = surface(60, 20);
    Rect half{0, 0, 60, 5};
    clipped.DrawText(u"Wm", half, DT_SINGLELINE);
    EXPECT_EQ(count(clipped, QRect(0, 5, 60, 15), kInk), 0);
}

TEST(DrawText, UnderlinesTheAccessKeyAndFillsAnOpaqueBackground)
{
    DeviceContext plain = surface(40, 20);
    DeviceContext marked = surface(40, 20);
    Rect r1{0, 0, 40, 20}, r2{0, 0, 40, 20};
    plain.DrawText(u"xx", r1, 0);
    marked.DrawText(u"&xx", r2, 0);
    const int underline = count(marked, QRect(0, 0, 40, 20), kInk) - count(plain, QRect(0, 0, 40, 20), kInk);
    EXPECT_GE(underline, plain.textWidth(u"x") - 1);

    DeviceContext opaque = surface(40, 20);
    opaque.setBkMode(BkMode::Opaque);
    opaque.setBkColour(0x00FF00);
    Rect r3{0, 0, 40, 20};
    opaque.DrawText(u"  ", r3, 0);
    EXPECT_EQ(opaque.GetPixel(1, 1), 0x00FF00u);
    EXPECT_EQ(opaque.GetPixel(1, opaque.lineHeight() + 1), kWhite);
}

// On a screen scaled by 2 the text is drawn at the image's resolution, not doubled: its
// strokes have image pixels of their own.
TEST(DrawText, AtARatioOfTwoTheTextHasTheImagesResolution)
{
    DeviceContext dc;
    ASSERT_TRUE(dc.resize(40, 20, 2.0));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    dc.selectFont(font);
    dc.setTextColour(kInk);
    dc.setBkMode(BkMode::Transparent);
    Rect r{0, 0, 40, 20};
    dc.DrawText(u"8a", r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);

    const QImage& image = dc.image();
    int ink = 0, splitBlocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const int inked = (image.pixel(x, y) == toQRgb(kInk)) + (image.pixel(x + 1, y) == toQRgb(kInk))
                              + (image.pixel(x, y + 1) == toQRgb(kInk)) + (image.pixel(x + 1, y + 1) == toQRgb(kInk));
            ink += inked;
            splitBlocks += inked != 0 && inked != 4;
        }
    }
    EXPECT_GT(ink, 40);
    EXPECT_GT(splitBlocks, 0) << "every 2 x 2 block is whole: the text was doubled";
}

}  // namespace
