#pragma once

#include <QImage>
#include <QMetaType>

namespace tarvelo {

// A picture as controls keep it: a bitmap (drawn as it is) or an icon (drawn with its
// transparency), and its size in hundredths of a millimetre, as pictures report it.
class Picture {
public:
    enum class Type { None, Bitmap, Icon };

    Picture() = default;
    static Picture bitmap(const QImage& image);
    static Picture icon(const QImage& image);

    bool isNull() const { return type_ == Type::None; }
    Type type() const { return type_; }
    const QImage& image() const { return image_; }
    int widthHimetric() const { return widthHimetric_; }
    int heightHimetric() const { return heightHimetric_; }

    friend bool operator==(const Picture& a, const Picture& b)
    {
        return a.type_ == b.type_ && a.image_ == b.image_;
    }

private:
    Picture(Type type, const QImage& image);

    Type type_ = Type::None;
    QImage image_;
    int widthHimetric_ = 0;
    int heightHimetric_ = 0;
};

// Pixels of the screen (96 per inch) from hundredths of a millimetre, halves to even.
int himetricToPixels(int himetric);

}  // namespace tarvelo

Q_DECLARE_METATYPE(tarvelo::Picture)
