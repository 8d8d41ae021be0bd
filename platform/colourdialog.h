#pragma once

#include "platform/messagecore.h"
#include "platform/syscolors.h"

#include <array>

namespace tarvelo {

// Colour dialog flags as the callers combine them.
namespace cc {
enum Flags : int {
    RgbInit = 0x1, FullOpen = 0x2, PreventFullOpen = 0x4, EnableHook = 0x10, EnableTemplate = 0x20,
    SolidColor = 0x80, AnyColor = 0x100,
};
}  // namespace cc

// What the colour dialog is asked and answers: the colour shown first and chosen, and the
// 16 custom-colour boxes, which the dialog reads and writes back.
struct ColourDialogRequest {
    ColourRef colour = 0;
    int flags = cc::RgbInit;
    WindowHandle owner = -1;
    std::array<ColourRef, 16>* customColours = nullptr;
};

// Asks the user for a colour. The real one is a QColorDialog; tests answer from a script.
class ColourDialogService {
public:
    virtual ~ColourDialogService() = default;
    // True when the user chose a colour, which is then in request.colour.
    virtual bool ShowColourDialog(ColourDialogRequest& request) = 0;
};

}  // namespace tarvelo
