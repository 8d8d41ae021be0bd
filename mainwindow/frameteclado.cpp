#include "mainwindow/frameteclado.h"

#include "platform/syscolors.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace tarvelo {

FrameTeclado::FrameTeclado(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraTeclado"));
    // Designed in the system's button face, the colour the schemes give it back.
    backColor_ = toQColor(translateOleColour(0x8000000F).value_or(0));
}

void FrameTeclado::setCaption(const QString& caption)
{
    if (caption_ != caption) {
        caption_ = caption;
        update();
    }
}

void FrameTeclado::setForeColor(const QColor& cor)
{
    if (foreColor_ != cor) {
        foreColor_ = cor;
        update();
    }
}

void FrameTeclado::setBackColor(const QColor& cor)
{
    if (backColor_ != cor) {
        backColor_ = cor;
        update();
    }
}

void FrameTeclado::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), backColor_);
    const QFontMetrics fm(font());
    const int meio = fm.height() / 2;
    QRect borda = rect().adjusted(0, meio, -1, -1);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(borda);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(borda.adjusted(1, 1, 1, 1));
    if (caption_.isEmpty())
        return;
    const int margem = fm.averageCharWidth();
    const QRect texto(margem, 0, fm.horizontalAdvance(caption_) + margem, fm.height());
    p.fillRect(texto, backColor_);
    p.setPen(foreColor_);
    p.drawText(texto, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

}  // namespace tarvelo
