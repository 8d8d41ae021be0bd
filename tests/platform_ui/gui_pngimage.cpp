#include "platform/ui/pngimage.h"

#include <QColorSpace>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

QImage comoQtLe(const QString& caminho)
{
    return QImage(caminho).convertToFormat(QImage::Format_ARGB32);
}

// Every kind of PNG the program might carry decodes to the pixels Qt's own reader gives.
TEST(PngImage, DecodesAsQtsReaderDoes)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QImage origem(23, 17, QImage::Format_ARGB32);
    for (int y = 0; y < origem.height(); ++y)
        for (int x = 0; x < origem.width(); ++x)
            origem.setPixel(x, y, qRgba(x * 11, y * 15, (x * y) % 256, (x + y) % 2 ? 255 : 90 + x));

    QImage linear = origem;
    linear.setColorSpace(QColorSpace::SRgbLinear);

    struct Caso {
        const char* nome;
        QImage imagem;
    };
    const Caso casos[] = {
        {"argb", origem},
        {"rgb", origem.convertToFormat(QImage::Format_RGB32)},
        {"cinza", origem.convertToFormat(QImage::Format_Grayscale8)},
        {"paleta", origem.convertToFormat(QImage::Format_Indexed8)},
        {"16bits", origem.convertToFormat(QImage::Format_RGBA64)},
        {"linear", linear},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const QString caminho = pasta.filePath(QString::fromLatin1(caso.nome) + QStringLiteral(".png"));
        ASSERT_TRUE(caso.imagem.save(caminho, "PNG"));
        const QImage lida = readPngImage(caminho);
        ASSERT_FALSE(lida.isNull());
        EXPECT_EQ(lida.format(), QImage::Format_ARGB32);
        EXPECT_EQ(lida, comoQtLe(caminho));
    }
    // Resources read alike: the program's icon and the style's arrows.
    for (const char* recurso : {":/icons/tarvelo-16.png", ":/icons/tarvelo-256.png",
                                ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-16.png"}) {
        SCOPED_TRACE(recurso);
        const QImage lida = readPngImage(QString::fromLatin1(recurso));
        ASSERT_FALSE(lida.isNull());
        EXPECT_EQ(lida, comoQtLe(QString::fromLatin1(recurso)));
    }
}

TEST(PngImage, WhatIsNoWholePngGivesANullImage)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    QImage imagem(40, 30, QImage::Format_ARGB32);
    imagem.fill(Qt::red);
    const QString inteira = pasta.filePath(QStringLiteral("inteira.png"));
    ASSERT_TRUE(imagem.save(inteira, "PNG"));
    QFile arquivo(inteira);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QByteArray bytes = arquivo.readAll();

    const auto gravar = [&](const char* nome, const QByteArray& conteudo) {
        const QString caminho = pasta.filePath(QString::fromLatin1(nome));
        QFile f(caminho);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(conteudo);
        return caminho;
    };
    EXPECT_TRUE(readPngImage(pasta.filePath(QStringLiteral("nenhum.png"))).isNull());
    EXPECT_TRUE(readPngImage(gravar("vazio.png", {})).isNull());
    EXPECT_TRUE(readPngImage(gravar("texto.png", "not an image at all")).isNull());
    EXPECT_TRUE(readPngImage(gravar("cortado.png", bytes.left(bytes.size() / 2))).isNull());
    EXPECT_TRUE(readPngImage(gravar("cabecalho.png", bytes.left(40))).isNull());
}

}  // namespace
