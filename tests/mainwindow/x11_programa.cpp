// The program on a real X server, typed at as a user types: a kill at any moment loses at
// most the last two seconds of work.

#include "support/programa.h"

#include "support/arquivos.h"

#include <QProcess>
#include <QRegularExpression>
#include <optional>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class ProgramaNoX : public ProgramaTarvelo {
protected:
    // xdotool's answer; nullopt when it failed.
    static std::optional<QString> xdotool(const QStringList& argumentos)
    {
        QProcess xdo;
        xdo.start(QStringLiteral("xdotool"), argumentos);
        if (!xdo.waitForFinished(kPrazo) || xdo.exitStatus() != QProcess::NormalExit || xdo.exitCode() != 0)
            return std::nullopt;
        return QString::fromLocal8Bit(xdo.readAllStandardOutput()).trimmed();
    }

    QString fita() const { return QString::fromLatin1(lerTudo(pasta.filePath(QStringLiteral("calc1.fita")))); }
};

TEST_F(ProgramaNoX, AKillThreeSecondsAfterTypingKeepsTheCalculation)
{
    auto primeira = iniciar({});
    ASSERT_TRUE(esperarAte([&] { return rodando(); }));
    // The calculator by its caption: the splash may still be up beside it. (xdotool takes a
    // window that meets any one condition unless told --all.) A search fails outright when a
    // window it walks goes away under it, as the splash does: it is asked again.
    const QStringList calculadora = {QStringLiteral("search"), QStringLiteral("--all"),
                                     QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                     QString::number(primeira->processId()), QStringLiteral("--name"),
                                     QStringLiteral("^ Tarvelo$")};
    std::optional<QString> janelas;
    ASSERT_TRUE(esperarAte([&] { return (janelas = xdotool(calculadora)) && !janelas->isEmpty(); }))
        << "no window of the program on the X server";
    const QString janela = janelas->section(QLatin1Char('\n'), 0, 0);
    // Keys typed while the splash is up go to it.
    const QStringList visiveis = {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                  QString::number(primeira->processId())};
    ASSERT_TRUE(esperarAte([&] { return xdotool(visiveis) == janela; }));
    // Typed at the window itself, and the first item typed again until it shows: the first
    // keys after the window appears may still go astray.
    const auto digitar = [&](const QString& texto) {
        return xdotool({QStringLiteral("type"), QStringLiteral("--window"), janela, QStringLiteral("--delay"),
                        QStringLiteral("30"), texto})
            .has_value();
    };
    const QRegularExpression primeiroItem(QStringLiteral(" 8.?506 \\+\r\n$"));
    bool aceito = false;
    for (int tentativa = 0; tentativa < 3 && !aceito; ++tentativa) {
        ASSERT_TRUE(digitar(QStringLiteral("8506+")));
        aceito = esperarAte([&] { return fita().section(QLatin1Char('"'), 3, 3).contains(primeiroItem); }, kPrazo / 3);
    }
    ASSERT_TRUE(aceito) << fita().toStdString();
    ASSERT_TRUE(digitar(QStringLiteral("240+")));

    // No total, no clear: only the coalescing write, 2 s later, can have kept it.
    ASSERT_TRUE(esperarAte([&] { return fita().contains(QStringLiteral("240 +")); })) << fita().toStdString();
    const QString antesDaMorte = fita();
    primeira->kill();
    ASSERT_TRUE(primeira->waitForFinished(kPrazo));

    auto depois = iniciar({});
    ASSERT_TRUE(esperarAte([&] { return rodando(); }));
    depois->terminate();
    esperarFimLimpo(*depois);
    EXPECT_TRUE(antesDaMorte.contains(QRegularExpression(QStringLiteral(" 8.?506 \\+\r\n +240 \\+\r\n"))))
        << antesDaMorte.toStdString();
    EXPECT_EQ(fita().section(QLatin1Char(','), 1, 1), antesDaMorte.section(QLatin1Char(','), 1, 1));
}

}  // namespace
