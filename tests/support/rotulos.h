#pragma once

// Whether a label shows its text, or a picture, whole inside its own rectangle.

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <gtest/gtest.h>

namespace tarvelo::teste {

// The label's whole text or, on a single line, the part `trecho` of it.
inline ::testing::AssertionResult cabe(const QLabel& rotulo, const QString& trecho = {})
{
    const QRect area = rotulo.contentsRect();
    const int flags = int(rotulo.alignment()) | Qt::TextShowMnemonic | (rotulo.wordWrap() ? Qt::TextWordWrap : 0);
    const QFontMetrics medidas(rotulo.font());
    QRect texto = medidas.boundingRect(area, flags, rotulo.text());
    if (!trecho.isEmpty()) {
        const qsizetype onde = rotulo.text().indexOf(trecho);
        if (onde < 0)
            return ::testing::AssertionFailure() << '"' << rotulo.text().toStdString() << "\" holds no \""
                                                 << trecho.toStdString() << '"';
        texto.setLeft(texto.left() + medidas.horizontalAdvance(rotulo.text().left(onde)));
        texto.setWidth(medidas.horizontalAdvance(trecho));
    }
    if (area.contains(texto))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << (trecho.isEmpty() ? rotulo.text() : trecho).toStdString()
                                         << "\" stands at " << texto.x() << ',' << texto.y() << ' ' << texto.width()
                                         << 'x' << texto.height() << " in " << area.x() << ',' << area.y() << ' '
                                         << area.width() << 'x' << area.height();
}

// Where the label draws its picture, in its parent's coordinates.
inline QRect ondeImagem(const QLabel& rotulo)
{
    const QRect area = rotulo.contentsRect();
    const QRect imagem = QStyle::alignedRect(rotulo.layoutDirection(), rotulo.alignment(),
                                             rotulo.pixmap().deviceIndependentSize().toSize(), area);
    return imagem.translated(rotulo.pos());
}

}  // namespace tarvelo::teste
