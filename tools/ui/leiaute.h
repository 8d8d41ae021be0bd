#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace tarvelo {

// The tool windows are laid out in twips, 15 to a pixel, as they were designed.
inline int pixels(double twips)
{
    return int(twips / 15.0 + (twips < 0 ? -0.5 : 0.5));
}

void posicionar(QWidget* controle, double left, double top, double width, double height);
void tamanhoCliente(QWidget* janela, double width, double height);
QFont fonte(const QString& familia, double pontos, bool negrito);

// Text and background colours of a label or a field.
void colorir(QWidget* controle, const QColor& texto, const QColor& fundo);

inline const QColor kCianoClaro(192, 255, 255);

}  // namespace tarvelo
