#include "designpages/paginapropriedades.h"

#include <QFont>

namespace tarvelo {

PaginaPropriedades::PaginaPropriedades(KeyedImageList& control, ServicosPaginas& servicos, QWidget* parent)
    : QWidget(parent), control_(control), servicos_(servicos)
{
    // The pages are laid out for a small sans-serif face.
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);
}

void PaginaPropriedades::setChanged(bool changed)
{
    if (changed_ == changed)
        return;
    changed_ = changed;
    emit changedChanged(changed);
}

QRect PaginaPropriedades::twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace tarvelo
