// The clipboard monitor on a real X server, beside a clipboard manager that puts the
// clipboard back whenever a program empties it.

#include "bancada.h"
#include "support/outroprograma.h"

#include "host/preferencias.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// devolve_clipboard, built next to the tests: "ja" puts back the text just taken at once,
// "historico" its newest history entry half a second later.
class Gerenciador {
public:
    Gerenciador(const QString& tipo, const QString& historia)
    {
        QObject::connect(&processo_, &QProcess::readyReadStandardOutput, [this] {
            while (processo_.canReadLine()) {
                const QString linha = QString::fromUtf8(processo_.readLine()).chopped(1);
                pronto_ = pronto_ || linha == QLatin1String("pronto");
                if (linha.startsWith(QLatin1String("devolvido ")))
                    ++devolvidos;
            }
        });
        processo_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/devolve_clipboard"),
                        {tipo, historia});
    }
    ~Gerenciador()
    {
        processo_.kill();
        processo_.waitForFinished(5000);
    }
    Gerenciador(const Gerenciador&) = delete;
    Gerenciador& operator=(const Gerenciador&) = delete;

    bool pronto()
    {
        return esperarAte([this] { return pronto_; });
    }
    // Waits for a put-back after the `antes`th without letting the program's events run.
    bool devolveuSemEventos(int antes)
    {
        while (devolvidos <= antes)
            if (!processo_.waitForReadyRead(kPrazo))
                return false;
        return true;
    }
    int devolvidos = 0;

private:
    QProcess processo_;
    bool pronto_ = false;
};

// Long enough for the monitor to take a put-back many times over, and for a manager that
// looks twice a second to look again.
constexpr int kDepoisDaDevolucao = 1500;

TEST(MonitorComGerenciador, WhatTheManagerPutsBackIsNeitherAddedNorEmptiedAndEachCopyOfTheUserAddsOnce)
{
    for (const char* tipo : {"ja", "historico"}) {
        SCOPED_TRACE(tipo);
        Gerenciador gerenciador(QString::fromLatin1(tipo), QStringLiteral("12,50"));
        ASSERT_TRUE(gerenciador.pronto());
        QTemporaryDir pasta;
        Usuario usuario{pasta.path()};
        salvarPreferencia(usuario.configuracoes, pref::Monitor, true);
        Bancada b{usuario};
        const auto adicionados = [&b] { return b.form().txtFita.Text().count(QStringLiteral("12,5 +")); };
        // The manager has put the clipboard back since `antes`, and the tape stays as it is.
        const auto devolveuDepois = [&](int antes) {
            EXPECT_TRUE(esperarAte([&] { return gerenciador.devolvidos > antes; })) << "the manager put nothing back";
            const int agora = adicionados();
            EXPECT_FALSE(esperarAte([&] { return adicionados() != agora; }, kDepoisDaDevolucao))
                << visivel(b.form().txtFita.Text());
        };

        // The start-up clear, put back before the window's first look at the clipboard; then
        // the monitor ticked off and on: each clear is put back.
        b.calculadora->Show();
        ASSERT_TRUE(gerenciador.devolveuSemEventos(0));
        ASSERT_TRUE(esperarAte([&b] { return b.janela() && b.form().JaAtivado; }));
        ASSERT_TRUE(b.form().mnuMonit.Checked());
        devolveuDepois(0);
        EXPECT_EQ(adicionados(), 0);
        for (int vez = 0; vez < 2; ++vez) {
            const int antes = gerenciador.devolvidos;
            b.comando(QStringLiteral("mnuMonit"));
            devolveuDepois(antes);
        }
        ASSERT_TRUE(b.form().mnuMonit.Checked());
        EXPECT_EQ(adicionados(), 0);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12,50")) << "the put-back stays";

        // The user's copies of the same number, in the program with the focus.
        OutroPrograma outro(QStringLiteral("12,50"));
        ASSERT_TRUE(outro.pronto());
        for (int copia = 1; copia <= 2; ++copia) {
            const int antes = gerenciador.devolvidos;
            outro.teclar({kXkControl}, 'c');
            EXPECT_TRUE(esperarAte([&] { return adicionados() == copia; })) << visivel(b.form().txtFita.Text());
            devolveuDepois(antes);
            EXPECT_EQ(adicionados(), copia) << visivel(b.form().txtFita.Text());
            EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12,50")) << "the put-back stays";
        }
    }
}

}  // namespace
