#include "host/ui/icone.h"

#include "platform/ui/pngimage.h"

#include <QFile>
#include <QPixmap>

#include <vector>

namespace tarvelo {
namespace {

constexpr int kTamanhosJanela[] = {16, 22, 24, 32, 48, 64};
constexpr int kTamanhoEmblema = 96;

QString recurso(int tamanho)
{
    return QStringLiteral(":/icons/tarvelo-%1.png").arg(tamanho);
}

const std::vector<QImage>& imagensJanela()
{
    static const std::vector<QImage> imagens = [] {
        std::vector<QImage> lidas;
        for (const int tamanho : kTamanhosJanela)
            if (QImage imagem = readPngImage(recurso(tamanho)); !imagem.isNull())
                lidas.push_back(std::move(imagem));
        return lidas;
    }();
    return imagens;
}

QIcon montar(bool alternado)
{
    QIcon icone;
    for (QImage imagem : imagensJanela()) {
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

const QImage& emblemaPrograma()
{
    static const QImage emblema = readPngImage(recurso(kTamanhoEmblema));
    return emblema;
}

void decodificarIconePrograma()
{
    imagensJanela();
    emblemaPrograma();
}

QByteArray iconeProgramaPng()
{
    QFile arquivo(recurso(256));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

}  // namespace tarvelo
