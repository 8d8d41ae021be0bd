#include "tools/ui/leiaute.h"

#include <QPalette>
#include <QWidget>

namespace tarvelo {

void posicionar(QWidget* controle, double left, double top, double width, double height)
{
    controle->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

void tamanhoCliente(QWidget* janela, double width, double height)
{
    janela->setFixedSize(pixels(width), pixels(height));
}

QFont fonte(const QString& familia, double pontos, bool negrito)
{
    QFont f;
    // Where the designed face is missing, a face of like width instead of the wider default.
    f.setFamilies({familia, QStringLiteral("Liberation Sans")});
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

void colorir(QWidget* controle, const QColor& texto, const QColor& fundo)
{
    QPalette p = controle->palette();
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::Text, texto);
    p.setColor(QPalette::Window, fundo);
    p.setColor(QPalette::Base, fundo);
    controle->setPalette(p);
    controle->setAutoFillBackground(true);
}

}  // namespace tarvelo
