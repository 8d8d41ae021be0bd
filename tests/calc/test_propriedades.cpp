// Random use of the whole engine: whatever the user does, nothing crashes and every line
// the engine writes keeps the tape's fixed width.

#include "support/calculadora.h"

#include "calc/linhafita.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

// Every line from `inicio` on is 26 characters or empty and ends with CR LF. Returns the
// first bad line, or an empty text.
QString linhaRuim(const QString& fita, qsizetype inicio)
{
    qsizetype i = inicio;
    while (i < fita.size()) {
        const qsizetype cr = fita.indexOf(QLatin1Char('\r'), i);
        if (cr < 0 || cr + 1 >= fita.size() || fita[cr + 1] != QLatin1Char('\n'))
            return fita.mid(i) + QStringLiteral(" (no CR LF)");
        const qsizetype largura = cr - i;
        if ((largura != kLarguraLinha && largura != 0) || QStringView(fita).mid(i, largura).contains(QLatin1Char('\n')))
            return fita.mid(i, largura);
        i = cr + 2;
    }
    return {};
}

TEST(Propriedades, RandomSequencesNeverBreakTheTape)
{
    Calculadora c;
    c.mensagens.depois = mb::Yes;
    frmCalcula& calc = c.calc;
    qsizetype menorEdicao = calc.txtFita.length();
    QObject::connect(&calc.txtFita, &TextBox::editado,
                     [&menorEdicao](const EdicaoTexto& e) { menorEdicao = std::min(menorEdicao, e.position); });

    std::mt19937 sorte(20250305);
    const QString teclas = QStringLiteral("0123456789012345+-*/%=\r,\b;ab+-=");
    const int formatos[] = {0, 1, 2, 10, 20, 30, 40, 50, 60, 70, 80};
    std::string feito;  // the actions of the current sequence, for the failure message

    for (int sequencia = 0; sequencia < 100000; ++sequencia) {
        feito.clear();
        const int acoes = 1 + static_cast<int>(sorte() % 4);
        for (int a = 0; a < acoes; ++a) {
            const unsigned sorteio = sorte() % 100;
            if (sorteio < 80) {
                const QChar tecla = teclas[sorte() % teclas.size()];
                feito += static_cast<char>(tecla.unicode());
                calc.teclar(tecla.unicode());
                continue;
            }
            feito += '[' + std::to_string(sorteio) + ']';
            switch (sorteio) {
            case 80: calc.chkCE_MouseUp(1); break;
            case 81: calc.chkNeg_MouseUp(1); break;
            case 82: calc.chkVirgula.release(1); break;
            case 83: calc.Mmais_Click(); break;
            case 84: calc.Mmenos_Click(); break;
            case 85: calc.MR_Click(); break;
            case 86: calc.MC_Click(); break;
            case 87:
            case 88:
                if (calc.mnuUndo.Enabled())
                    calc.mnuUndo_Click();
                break;
            case 89:
            case 90:
                if (calc.mnuRedo.Enabled())
                    calc.mnuRedo_Click();
                break;
            // The format menus also write a setting, which costs a file write; they
            // come rarely so the run stays short.
            case 91:
                if (sorte() % 16 == 0)
                    calc.mnuNumeral_Click(formatos[sorte() % std::size(formatos)]);
                break;
            case 92: calc.mnuTempo_Click(); break;
            case 93:
                if (sorte() % 16 == 0)
                    calc.mnuTime1_Click();
                break;
            case 94:
                if (sorte() % 16 == 0)
                    calc.mnuTime2_Click();
                break;
            case 95: calc.mnuInserir.setChecked(!calc.mnuInserir.Checked()); break;
            case 96:
                calc.mnuEnter.setChecked(!calc.mnuEnter.Checked());
                calc.mnuIgual.setChecked(!calc.mnuEnter.Checked());
                break;
            case 97: calc.chkNum_MouseUp(static_cast<int>(sorte() % 10), 0); break;
            case 98: calc.chkIgual_MouseUp(0); break;
            default: calc.chkMais_MouseUp(1); break;
            }
        }

        const QString& fita = calc.txtFita.Text();
        const qsizetype inicio = fita.lastIndexOf(QLatin1Char('\n'), std::max<qsizetype>(0, menorEdicao - 1)) + 1;
        const QString ruim = linhaRuim(fita, std::min(inicio, menorEdicao));
        ASSERT_TRUE(ruim.isEmpty()) << "sequence " << sequencia << " " << feito << " wrote "
                                    << visivel(ruim);
        ASSERT_FALSE(fita.contains(QLatin1Char('"')));
        if (fita.size() > 2 * kLimiteFita)
            calc.mnuLimpar_Click();
        menorEdicao = calc.txtFita.length();
    }
}

}  // namespace
