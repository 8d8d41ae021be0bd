// The desktop's opener as a program of our own on PATH: what it was given, when the asker
// hears of its start, and which of its ends count as a failure.

#include "platform/desktopshell.h"

#include "support/ambiente.h"
#include "support/esperar.h"

#include <QCoreApplication>
#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// What the asker heard, in order: "started", "failed".
struct Ouvinte {
    std::vector<std::string> ouvido;
    ShellService::Answers respostas()
    {
        return {[this] { ouvido.push_back("started"); }, [this] { ouvido.push_back("failed"); }};
    }
};

TEST(DesktopShell, TargetsNothingCanOpenFailWithoutAStart)
{
    for (const QString& alvo : {QString(), QStringLiteral("not a target at all")}) {
        SCOPED_TRACE(alvo.toStdString());
        DesktopShell desktop;
        QObject pergunta;
        Ouvinte ouvinte;
        desktop.open(alvo, &pergunta, ouvinte.respostas());
        EXPECT_TRUE(ouvinte.ouvido.empty()) << "told from the event loop, after the call";
        ASSERT_TRUE(esperarAte([&] { return !ouvinte.ouvido.empty(); }));
        EXPECT_EQ(ouvinte.ouvido, std::vector<std::string>{"failed"});
    }
}

// The opener is held until the test lets it go: its start is heard while it runs, and how
// it ends only within the time it has to say and only by an asker still there.
TEST(DesktopShell, TheStartIsToldWhileTheOpenerRunsAndAFailureOnceWithinItsTime)
{
    const QString link = QStringLiteral("mailto:suporte@tarvelo.com.br?subject=Tarvelo%209.0.7");
    const struct {
        const char* caso;
        int saida;
        int answerMs;
        bool perguntaFica;
        std::vector<std::string> ouvido;
    } casos[] = {
        {"opens", 0, 10 * kPrazo, true, {"started"}},
        {"finds no handler", 3, 10 * kPrazo, true, {"started", "failed"}},
        {"fails to open", 4, 10 * kPrazo, true, {"started", "failed"}},
        {"ends after its time", 4, 0, true, {"started"}},
        {"the asker has gone", 4, 10 * kPrazo, false, {"started"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        AbridorFalso abridor(caso.saida, AbridorFalso::Retido);
        DesktopShell desktop(caso.answerMs);
        auto pergunta = std::make_unique<QObject>();
        Ouvinte ouvinte;
        desktop.open(link, pergunta.get(), ouvinte.respostas());
        ASSERT_TRUE(esperarAte([&] { return !ouvinte.ouvido.empty(); })) << "the start is told while it runs";
        EXPECT_EQ(ouvinte.ouvido, std::vector<std::string>{"started"});
        if (!caso.perguntaFica)
            pergunta.reset();

        abridor.soltar();
        ASSERT_TRUE(esperarAte(AbridorFalso::nenhumRodando));
        QCoreApplication::processEvents();
        EXPECT_EQ(ouvinte.ouvido, caso.ouvido);
        EXPECT_EQ(abridor.alvo().toStdString(), link.toStdString());
    }
}

}  // namespace
