#include "host/ui/icone.h"

#include "platform/ui/pngimage.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

namespace tarvelo {
namespace {

constexpr int kTamanhos[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString recurso(int tamanho)
{
    return QStringLiteral(":/icons/tarvelo-%1.png").arg(tamanho);
}

QIcon montar(bool alternado)
{
    QIcon icone;
    for (const int tamanho : kTamanhos) {
        QImage imagem = readPngImage(recurso(tamanho));
        if (imagem.isNull())
            continue;
        if (alternado)
            imagem.invertPixels(QImage::InvertRgb);
        icone.addPixmap(QPixmap::fromImage(imagem));
    }
    return icone;
}

}  // namespace

QIcon iconePrograma(bool alternado)
{
    // Each built once, when first asked for: the tray swaps the two every 200 ms while it
    // blinks, and start-up needs only the normal one.
    if (alternado) {
        static const QIcon inverso = montar(true);
        return inverso;
    }
    static const QIcon normal = montar(false);
    return normal;
}

QByteArray iconeProgramaPng()
{
    QFile arquivo(recurso(256));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

}  // namespace tarvelo
