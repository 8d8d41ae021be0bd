#pragma once

#include <QFont>
#include <QString>

#include <array>
#include <optional>

namespace tarvelo {

// The desktop's standard fonts, by number.
enum class eFontNum { IconTitle = 1, Caption, SmallCaption, Menu, StatusBar, MessageBox };

// A font as the desktop hands it out: the height in pixels (negative for the height of the
// characters, positive for the height of the cell, 0 for the default) and the weight from
// 100 to 900.
struct FontDescription {
    QString faceName;
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    static FontDescription of(const QFont& font);
    // The font to draw with, sized in pixels as described.
    QFont made() const;
    // The font as a caller handles it: name, size in points at the 96 pixels per inch our
    // surfaces draw at (8 for the default height), bold above weight 400.
    QFont object() const;
};

// The desktop's fonts for the owner-drawn menus. The fonts made from them are kept until
// ClearUp or the next GetMetrics: its owner reads the metrics again when the desktop's
// settings change.
class cNCMetrics {
public:
    // Empties the cache and reads the descriptions of the desktop's fonts; false (keeping
    // the earlier descriptions) when there is no desktop to ask.
    bool GetMetrics();
    // The font of that number, made at its first request after a clear.
    const QFont& FontHandle(eFontNum font);
    // A new font: the description with the weight 700, or 900 when it is 700 or more.
    QFont BoldenedFontHandle(eFontNum font) const;
    QFont Font(eFontNum font) const { return description(font).object(); }
    void ClearUp();

private:
    const FontDescription& description(eFontNum font) const;

    std::array<FontDescription, 6> descriptions_{};
    std::array<std::optional<QFont>, 6> handles_{};
};

}  // namespace tarvelo
