#include "tools/ui/ferramentas.h"

#include "support/ferramentasfalsas.h"
#include "support/esperar.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

// Runs with PATH pointing at a folder of our own, so that no real calculator starts.
struct CaminhoProprio {
    QTemporaryDir pasta;
    QByteArray anterior = qgetenv("PATH");
    CaminhoProprio() { qputenv("PATH", pasta.path().toLocal8Bit()); }
    ~CaminhoProprio() { qputenv("PATH", anterior); }
};

TEST(CalculadoraDoSistema, StartsTheFirstOneOnThePathOrSaysThereIsNone)
{
    teste::MensagensFalsas mensagens;
    CaminhoProprio caminho;
    AbrirCalculadoraDoSistema(mensagens);
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].texto, QStringLiteral("A calculadora da área de trabalho não foi encontrada"));
    EXPECT_EQ(mensagens.vistas[0].flags, mb::Critical);

    const QString marca = caminho.pasta.filePath(QStringLiteral("iniciada"));
    for (const char* nome : {"galculator", "xcalc"}) {
        QFile script(caminho.pasta.filePath(QString::fromLatin1(nome)));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho " + QByteArray(nome) + " > '" + marca.toLocal8Bit() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    AbrirCalculadoraDoSistema(mensagens);
    EXPECT_EQ(mensagens.vistas.size(), 1u);
    ASSERT_TRUE(teste::esperarAte([&] { return QFileInfo(marca).size() > 0; }));
    QFile lida(marca);
    ASSERT_TRUE(lida.open(QIODevice::ReadOnly));
    EXPECT_EQ(lida.readAll().trimmed(), QByteArray("galculator"));
}

}  // namespace
}  // namespace tarvelo
