#include "controls/menucolours.h"

#include "controls/declares.h"

#include <algorithm>
#include <cmath>

namespace tarvelo {

namespace {

int toByte(double value)
{
    return static_cast<int>(std::nearbyint(value));  // the default rounding: halves to even
}

}  // namespace

ColourRef BlendColour(OleColour a, OleColour b, int alpha)
{
    const ColourRef ca = static_cast<ColourRef>(ResolveColour(a));
    const ColourRef cb = static_cast<ColourRef>(ResolveColour(b));
    const auto mix = [alpha](int x, int y) { return toByte(alpha * x / 255.0 + (255 - alpha) * y / 255.0); };
    return rgbColour(mix(redOf(ca), redOf(cb)), mix(greenOf(ca), greenOf(cb)), mix(blueOf(ca), blueOf(cb)));
}

float MaxOfThree(float a, float b, float c)
{
    if (a > b)
        return a > c ? a : c;
    return b < c ? c : b;
}

float MinOfThree(float a, float b, float c)
{
    if (a < b)
        return a < c ? a : c;
    return b > c ? c : b;
}

Hls RGBToHLS(int r, int g, int b)
{
    const float rf = r / 255.0f;
    const float gf = g / 255.0f;
    const float bf = b / 255.0f;
    const float mx = MaxOfThree(rf, gf, bf);
    const float mn = MinOfThree(rf, gf, bf);
    Hls hls;
    hls.l = (mx + mn) / 2;
    if (mx == mn)
        return hls;
    const float d = mx - mn;
    hls.s = hls.l <= 0.5f ? d / (mx + mn) : d / (2 - mx - mn);
    if (rf == mx)
        hls.h = (gf - bf) / d;
    else if (gf == mx)
        hls.h = 2 + (bf - rf) / d;
    else
        hls.h = 4 + (rf - gf) / d;
    return hls;
}

ColourRef HLSToRGB(float h, float s, float l)
{
    float red = l;
    float green = l;
    float blue = l;
    if (s != 0) {
        const float mn = l <= 0.5f ? l * (1 - s) : l - s * (1 - l);
        const float mx = 2 * l - mn;
        if (h < 1) {
            red = mx;
            if (h < 0) {
                green = mn;
                blue = green - h * (mx - mn);
            } else {
                blue = mn;
                green = h * (mx - mn) + blue;
            }
        } else if (h < 3) {
            green = mx;
            if (h < 2) {
                blue = mn;
                red = blue - (h - 2) * (mx - mn);
            } else {
                red = mn;
                blue = (h - 2) * (mx - mn) + red;
            }
        } else {
            blue = mx;
            if (h < 4) {
                red = mn;
                green = red - (h - 4) * (mx - mn);
            } else {
                green = mn;
                red = (h - 4) * (mx - mn) + green;
            }
        }
    }
    return rgbColour(toByte(red * 255.0), toByte(green * 255.0), toByte(blue * 255.0));
}

ColourRef LighterColourCache::LighterColour(OleColour colour)
{
    const ColourRef c = static_cast<ColourRef>(ResolveColour(colour));
    if (cached_ && c == last_)
        return result_;
    cached_ = true;
    last_ = c;
    Hls hls = RGBToHLS(redOf(c), greenOf(c), blueOf(c));
    if (hls.l <= 0.99f)
        hls.l = std::min(hls.l * 1.2f, 1.0f);
    else
        hls.l *= 0.8f;
    result_ = HLSToRGB(hls.h, hls.s, hls.l);
    return result_;
}

ColourRef XpIconColumnColour(OleColour background)
{
    return BlendColour(background, systemColour(COLOR_BTNFACE), 128);
}

ColourRef XpSelectionColour(OleColour background)
{
    return BlendColour(systemColour(COLOR_HIGHLIGHT), background, 80);
}

ColourRef XpCheckBoxColour(OleColour background)
{
    return BlendColour(systemColour(COLOR_HIGHLIGHT), XpIconColumnColour(background), 40);
}

}  // namespace tarvelo
