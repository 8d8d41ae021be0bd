#include "controls/cncmetrics.h"

#include <QApplication>
#include <QFontDatabase>

#include <cmath>
#include <cstdlib>

namespace tarvelo {
namespace {

constexpr double kPixelsPerInch = 96.0;

size_t slot(eFontNum font) { return static_cast<size_t>(font) - 1; }

QFont desktopFont(eFontNum font)
{
    switch (font) {
    case eFontNum::IconTitle: return QApplication::font("QAbstractItemView");
    case eFontNum::Caption: return QFontDatabase::systemFont(QFontDatabase::TitleFont);
    case eFontNum::SmallCaption: return QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    case eFontNum::Menu: return QApplication::font("QMenu");
    case eFontNum::StatusBar: return QApplication::font("QStatusBar");
    case eFontNum::MessageBox: return QApplication::font("QMessageBox");
    }
    return QApplication::font();
}

}  // namespace

FontDescription FontDescription::of(const QFont& font)
{
    FontDescription d;
    d.faceName = font.family();
    if (font.pixelSize() > 0)
        d.height = -font.pixelSize();
    else if (font.pointSizeF() > 0)
        d.height = -static_cast<int>(std::lround(font.pointSizeF() * kPixelsPerInch / 72.0));
    d.weight = font.weight();
    d.italic = font.italic();
    d.underline = font.underline();
    d.strikeOut = font.strikeOut();
    return d;
}

QFont FontDescription::made() const
{
    QFont font(faceName);
    if (height != 0)
        font.setPixelSize(std::abs(height));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}

QFont FontDescription::object() const
{
    QFont font(faceName);
    if (height == 0)
        font.setPointSizeF(8);
    else if (height > 0)
        font.setPointSizeF(height);
    else
        font.setPointSizeF(std::abs(72.0 / kPixelsPerInch * height));
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    font.setBold(weight > 400);
    return font;
}

bool cNCMetrics::GetMetrics()
{
    ClearUp();
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    for (int n = 1; n <= static_cast<int>(descriptions_.size()); ++n) {
        const auto font = static_cast<eFontNum>(n);
        descriptions_[slot(font)] = FontDescription::of(desktopFont(font));
    }
    return true;
}

const QFont& cNCMetrics::FontHandle(eFontNum font)
{
    std::optional<QFont>& handle = handles_[slot(font)];
    if (!handle)
        handle = description(font).made();
    return *handle;
}

QFont cNCMetrics::BoldenedFontHandle(eFontNum font) const
{
    FontDescription bold = description(font);
    bold.weight = bold.weight < 700 ? 700 : 900;
    return bold.made();
}

void cNCMetrics::ClearUp()
{
    handles_.fill(std::nullopt);
}

const FontDescription& cNCMetrics::description(eFontNum font) const
{
    return descriptions_[slot(font)];
}

}  // namespace tarvelo
