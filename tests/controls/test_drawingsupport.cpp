#include "controls/cdottedbrush.h"
#include "controls/cmemdc.h"
#include "controls/declares.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvelo;

namespace {

constexpr ColourRef kWhite = 0xFFFFFF;
constexpr ColourRef kInk = 0x0000FF;

std::vector<std::string> picture(const DeviceContext& dc)
{
    std::vector<std::string> rows;
    for (int y = 0; y < dc.height(); ++y) {
        std::string row;
        for (int x = 0; x < dc.width(); ++x) {
            const ColourRef c = dc.GetPixel(x, y);
            row += c == kWhite ? '.' : c == kInk ? '#' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(ResolveColour, PlainValuesSystemCodesAndFailures)
{
    EXPECT_EQ(ResolveColour(0x8000000F), qint32(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(ResolveColour(0x00123456), 0x123456);
    EXPECT_EQ(ResolveColour(0x80000099), -1);
    EXPECT_EQ(ResolveColour(0xFFFFFFFF), -1);
}

// A 20 x 20 source whose pixel (x, y) encodes its own coordinates.
DeviceContext numberedSource()
{
    DeviceContext src(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            src.SetPixel(x, y, rgbColour(x, y, 0));
    return src;
}

TEST(TileBitmap, RunsTheGridOnFromTheOrigin)
{
    const DeviceContext src = numberedSource();
    DeviceContext dst(60, 12);
    TileBitmap(dst, 5, 0, 50, 10, src, 20, 20, 30);
    EXPECT_EQ(dst.GetPixel(5, 0), rgbColour(5, 10, 0)) << "first tile from source column 5, row 10";
    EXPECT_EQ(dst.GetPixel(19, 9), rgbColour(19, 19, 0));
    EXPECT_EQ(dst.GetPixel(20, 0), rgbColour(0, 10, 0)) << "the next tiles start at column 0";
    EXPECT_EQ(dst.GetPixel(54, 0), rgbColour(14, 10, 0));
    EXPECT_EQ(dst.GetPixel(55, 0), kWhite);
    EXPECT_EQ(dst.GetPixel(5, 10), kWhite);
}

TEST(TileBitmap, KeepsThePhaseForAnyOriginAndIgnoresEmptySources)
{
    const DeviceContext src = numberedSource();
    DeviceContext dst(30, 30);
    // An origin above the first row still lands on the grid: row 0 of the target is
    // source row (0 - 5) mod 20 = 15.
    TileBitmap(dst, -7, 0, 40, 30, src, 20, 20, -5);
    EXPECT_EQ(dst.GetPixel(0, 0), rgbColour(0, 15, 0));
    EXPECT_EQ(dst.GetPixel(13, 5), rgbColour(13, 0, 0));
    EXPECT_EQ(dst.GetPixel(25, 29), rgbColour(5, 4, 0));

    DeviceContext untouched(10, 10);
    TileBitmap(untouched, 0, 0, 10, 10, src, 0, 20, 0);
    TileBitmap(untouched, 0, 0, 10, 10, src, -20, 20, 0);
    TileBitmap(untouched, 0, 0, 10, 10, src, 20, -1, 0);
    EXPECT_EQ(untouched.GetPixel(0, 0), kWhite);
}

TEST(DottedBrush, RectangleOutlineLeavesTheFarCorner)
{
    cDottedBrush brush;
    EXPECT_FALSE(brush.Create());
    DeviceContext dc(12, 7);
    // Both colours the ink, so every pixel the brush touches shows.
    brush.Rectangle(dc, 0, 0, 10, 5, 1, PATCOPY, false, kInk, kInk);
    EXPECT_EQ(picture(dc), (std::vector<std::string>{
                               "###########.",
                               "#.........#.",
                               "#.........#.",
                               "#.........#.",
                               "#.........#.",
                               "##########..",
                               "............",
                           }));
}

TEST(DottedBrush, LineRestoresTheColoursAndFilledRectangleKeepsThem)
{
    cDottedBrush brush;
    brush.Create();
    DeviceContext dc(4, 2);
    dc.setTextColour(0x111111);
    dc.setBkColour(0x222222);
    brush.DrawLine(dc, 0, 0, 4, 1, PATCOPY, kWhite, kInk);
    EXPECT_EQ(picture(dc)[0], "#.#.");
    EXPECT_EQ(dc.textColour(), 0x111111u);
    EXPECT_EQ(dc.bkColour(), 0x222222u);

    brush.DrawLine(dc, 0, 1, 4, 1, PATCOPY);  // kNoColour: the surface's own colours
    EXPECT_EQ(dc.GetPixel(0, 1), 0x222222u);
    EXPECT_EQ(dc.GetPixel(1, 1), 0x111111u);

    brush.Rectangle(dc, 0, 0, 4, 2, 1, PATCOPY, true, kWhite, kInk);
    EXPECT_EQ(picture(dc), (std::vector<std::string>{"#.#.", ".#.#"}));
    EXPECT_EQ(dc.textColour(), kInk);
}

TEST(MemDC, OnlyGrows)
{
    cMemDC mem;
    EXPECT_EQ(mem.hdc(), nullptr);
    mem.setWidth(100);
    ASSERT_NE(mem.hdc(), nullptr);
    mem.hdc()->SetPixel(0, 0, kInk);
    mem.setWidth(50);
    EXPECT_EQ(mem.Width(), 100);
    EXPECT_EQ(mem.hdc()->GetPixel(0, 0), kInk) << "a smaller width keeps the surface";
    mem.setHeight(30);
    EXPECT_EQ(mem.Width(), 100);
    EXPECT_EQ(mem.Height(), 30);
    EXPECT_EQ(mem.hdc()->width(), 100);
    EXPECT_NE(mem.hdc()->GetPixel(0, 0), kInk) << "a rebuild starts a new picture";

    mem.setHeight(1 << 24);  // more than can be held
    EXPECT_EQ(mem.hdc(), nullptr);
    EXPECT_EQ(mem.Width(), 0);
}

}  // namespace
