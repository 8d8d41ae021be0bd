#include "demowindow.h"

#include <QPainter>

namespace tarvelo {

QImage demoIcon()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15, dy = 2 * y - 15, r2 = dx * dx + dy * dy;
            if (r2 <= 16)
                icon.setPixel(x, y, qRgb(255, 255, 255));
            else if (r2 <= 196)
                icon.setPixel(x, y, qRgb(200, 0, 0));
        }
    return icon;
}

DemoWindow::DemoWindow()
{
    setWindowTitle(QStringLiteral("XPButton demo"));
    setFixedSize(200, 210);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(GetSysColor(COLOR_BTNFACE)));
    setPalette(pal);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    const auto make = [&](int column, int row, const QString& caption) {
        auto* b = new XPButton(this);
        b->setFont(font);
        b->setCaption(caption);
        b->setGeometry(QRect(cell(column, row), QSize(kButtonWidth, kButtonHeight)));
        return b;
    };
    normal = make(0, 0, QStringLiteral("&Normal"));
    hovered = make(0, 1, QStringLiteral("Hovered"));
    focused = make(0, 2, QStringLiteral("Focused"));
    pressed = make(0, 3, QStringLiteral("Pressed"));
    disabled = make(0, 4, QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    toggled = make(0, 5, QStringLiteral("Toggled"));
    toggled->setCheckBoxBehaviour(true);
    toggled->setValue(true);

    soft = make(1, 0, QStringLiteral("Soft"));
    soft->setSoftBevel(true);
    recoloured = make(1, 1, QStringLiteral("Blue"));
    recoloured->setBackColor(rgbColour(96, 128, 224));
    recoloured->setBackOver(rgbColour(96, 128, 224));
    recoloured->setForeColor(0xFFFFFF);
    raised = make(1, 2, QStringLiteral("Raised"));
    raised->setSpecialEffect(1);
    pictureLeft = make(1, 3, QStringLiteral("Icon"));
    pictureLeft->setPictureNormal(Picture::icon(demoIcon()));
    pictureAbove = make(1, 4, QString());
    pictureAbove->setPicturePosition(2);
    pictureAbove->setPictureNormal(Picture::icon(demoIcon()));
    defaultButton = make(1, 5, QStringLiteral("Default"));
    defaultButton->setDisplayAsDefault(true);

    focused->setFocus();
}

void DemoWindow::pressKeys() { pressed->setValue(true); }

}  // namespace tarvelo
