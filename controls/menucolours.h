#pragma once

#include "platform/syscolors.h"

namespace tarvelo {

// Colour arithmetic of the owner-drawn menus.

// Each channel alpha * a / 255 + (255 - alpha) * b / 255, rounded half to even; a and b
// are OLE colours (system colour codes allowed).
ColourRef BlendColour(OleColour a, OleColour b, int alpha);

// Hue (sectors -1..5, not degrees), saturation and lightness, in single precision.
struct Hls {
    float h = 0;
    float l = 0;
    float s = 0;
};
Hls RGBToHLS(int r, int g, int b);
ColourRef HLSToRGB(float h, float s, float l);
float MaxOfThree(float a, float b, float c);
float MinOfThree(float a, float b, float c);

// A colour made 20 % lighter (or, when already almost white, 20 % darker), remembering
// the last answer since every item of a menu asks for the same colour.
class LighterColourCache {
public:
    ColourRef LighterColour(OleColour colour);

private:
    bool cached_ = false;
    ColourRef last_ = 0;
    ColourRef result_ = 0;
};

// The Office XP colours of the menus, from the menu background.
ColourRef XpIconColumnColour(OleColour background);
ColourRef XpSelectionColour(OleColour background);
ColourRef XpCheckBoxColour(OleColour background);

}  // namespace tarvelo
