#pragma once

#include "platform/drawing.h"

namespace tarvelo {

// An off-screen surface that only ever grows: writing a width or height no larger than
// the current one does nothing, a larger one builds the surface anew (its picture is not
// kept). A size with one side 0 is recorded as it is.
class cMemDC {
public:
    cMemDC() = default;
    cMemDC(const cMemDC&) = delete;
    cMemDC& operator=(const cMemDC&) = delete;

    // Null when there is no surface.
    DeviceContext* hdc() { return has_ ? &dc_ : nullptr; }
    int Width() const { return width_; }
    void setWidth(int value);
    int Height() const { return height_; }
    void setHeight(int value);

private:
    void build(int width, int height);

    DeviceContext dc_;
    bool has_ = false;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tarvelo
