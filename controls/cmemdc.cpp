#include "controls/cmemdc.h"

#include <algorithm>

namespace tarvelo {

void cMemDC::setWidth(int value)
{
    if (value > width_)
        build(value, height_);
}

void cMemDC::setHeight(int value)
{
    if (value > height_)
        build(width_, value);
}

void cMemDC::build(int width, int height)
{
    has_ = false;
    width_ = height_ = 0;
    // The pixels keep at least one row and column, so a surface given only its width so
    // far is still a surface.
    if (!dc_.resize(std::max(width, 1), std::max(height, 1)))
        return;
    has_ = true;
    width_ = width;
    height_ = height;
}

}  // namespace tarvelo
