#include "controls/picture.h"

#include <cmath>

namespace tarvelo {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kPixelsPerInch = 96.0;

}  // namespace

Picture::Picture(Type type, const QImage& image)
    : type_(image.isNull() ? Type::None : type),
      image_(image),
      widthHimetric_(int(std::lround(image.width() * kHimetricPerInch / kPixelsPerInch))),
      heightHimetric_(int(std::lround(image.height() * kHimetricPerInch / kPixelsPerInch)))
{
}

Picture Picture::bitmap(const QImage& image) { return Picture(Type::Bitmap, image.convertToFormat(QImage::Format_RGB32)); }

Picture Picture::icon(const QImage& image) { return Picture(Type::Icon, image.convertToFormat(QImage::Format_ARGB32)); }

int himetricToPixels(int himetric) { return int(std::nearbyint(himetric * kPixelsPerInch / kHimetricPerInch)); }

}  // namespace tarvelo
