// The order in which the keyboard walks each tool and document window, opened from the
// calculator's menus: Enter moves on everywhere but in the date window, whose Enter stays
// in the field and where Tab walks instead.

#include "bancada.h"

#include "controls/xpbutton.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmpromissoria.h"
#include "interest/ui/frmjuro2.h"
#include "interest/ui/janelajuro.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/frmconverte.h"
#include "tools/ui/frmdata.h"
#include "tools/ui/frmpeso.h"
#include "tools/ui/frmregra.h"
#include "tools/ui/maskeddateedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

using Campos = std::vector<std::pair<QString, QWidget*>>;

// A document window's controls carry their names.
Campos porNome(QWidget* janela, const QStringList& nomes)
{
    Campos campos;
    for (const QString& nome : nomes)
        campos.emplace_back(nome, janela->findChild<QWidget*>(nome));
    return campos;
}

struct Caso {
    const char* janela;
    int idioma;
    const char* comando;
    Qt::Key tecla;
    // The controls in the order the keys should reach them, from the one focused on opening.
    std::function<Campos(QWidget*)> ordem;
};

Campos juro(QWidget* w)
{
    auto& j = *static_cast<JanelaJuro*>(w);
    return {{"txtValVista", j.txtValVista}, {"txtValPrest", j.txtValPrest}, {"txtParcelas", j.txtParcelas},
            {"txtDias", j.txtDias},         {"chkVista", j.chkVista},       {"txtJuroAp", j.txtJuroAp},
            {"cmdCalcular", j.cmdCalcular}};
}

Campos juro2(QWidget* w)
{
    auto& j = *static_cast<frmJuro2*>(w);
    Campos campos = juro(w);
    campos.insert(campos.begin() + 5, {{"txtData1Parcela", j.txtData1Parcela},
                                       {"txt1Parcela", j.txt1Parcela},
                                       {"txtDiaVct", j.txtDiaVct}});
    return campos;
}

Campos data(QWidget* w)
{
    auto& j = *static_cast<frmData*>(w);
    // Calcular Data Final waits, disabled, for offsets; the leap-day labels take no focus.
    return {{"txtData(0)", j.txtData[0]},       {"txtData(1)", j.txtData[1]},       {"txtAnos", j.txtAnos},
            {"txtMeses", j.txtMeses},           {"txtSemanas", j.txtSemanas},       {"txtDias", j.txtDias},
            {"cmdCalcula(0)", j.cmdCalcula[0]}, {"cmdCalcula(1)", j.cmdCalcula[1]}, {"cmdCalcula(2)", j.cmdCalcula[2]},
            {"cmdCalcula(3)", j.cmdCalcula[3]}, {"Check1(0)", j.Check1[0]},         {"Check1(1)", j.Check1[1]},
            {"Check1(2)", j.Check1[2]},         {"txtData(0)", j.txtData[0]}};
}

Campos regra(QWidget* w)
{
    auto& j = *static_cast<frmRegra*>(w);
    // Only the first row is open, and printing and the second example wait for a result.
    return {{"txtValor(0)", j.txtValor[0]},
            {"txtCond(0)", j.txtCond[0]},
            {"cmdCalcular", j.cmdCalcular},
            {"cmdExemplo", j.cmdExemplo},
            {"txtValor(0)", j.txtValor[0]}};
}

Campos peso(QWidget* w)
{
    auto& j = *static_cast<frmPeso*>(w);
    // The sex options are one stop, at the chosen one.
    return {{"txtAltura", j.txtAltura},
            {"txtPeso", j.txtPeso},
            {"Option2", j.Option2},
            {"cmdHomem", j.cmdHomem},
            {"txtAltura", j.txtAltura}};
}

Campos converte(QWidget* w)
{
    auto& j = *static_cast<frmConverte*>(w);
    // Without a value the result fields stay hidden.
    return {{"txtValor1", j.txtValor1}, {"lstTipo", j.lstTipo}, {"txtValor1", j.txtValor1}};
}

Campos cheque(QWidget* w)
{
    // The payee list is reached by the arrow keys, not by Enter. Read-only fields and the
    // saving of an unchanged layout are skipped.
    return porNome(w, {"txtFavorecido", "txtCidade", "txtDia", "txtMês", "txtAno", "chkNegrito", "chkAno", "Check2",
                       "lstCopias", "txtReserva", "cmdConf", "cmdImprimir", "cbModelo", "cmdBackup", "cmdHelp",
                       "txtFavorecido"});
}

Campos promissoria(QWidget* w)
{
    return porNome(w, {"txtNumero", "txtPagarei", "txtCredor", "txtCredor2", "txtCidade", "txtEmitente",
                       "txtEmitente2", "txtEndereço", "Check2", "chkNegrito", "cmdConf", "cmdImprimir", "cbModelo",
                       "lstCopias", "cmdHelp", "txtReserva", "txtNumero"});
}

QString nomeDe(QWidget* foco, const Campos& campos)
{
    for (const auto& [nome, campo] : campos) {
        if (campo == foco)
            return nome;
    }
    return foco ? QStringLiteral("<%1 %2>").arg(QLatin1String(foco->metaObject()->className()), foco->objectName())
                : QStringLiteral("<no focus>");
}

class OrdemCampos : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pasta.isValid()); }
    QTemporaryDir pasta;
};

TEST_F(OrdemCampos, EnterWalksEachWindowInItsFieldOrder)
{
    const Caso casos[] = {
        {"frmJuro", 2, "mnuJuro", Qt::Key_Return, juro},
        {"frmJuro2", 1, "mnuJuro", Qt::Key_Return, juro2},
        {"frmData", 1, "mnuData", Qt::Key_Tab, data},
        {"frmRegra", 1, "mnuRegra", Qt::Key_Return, regra},
        {"frmPeso", 1, "mnuPeso", Qt::Key_Return, peso},
        {"frmConverte", 1, "mnuConverte", Qt::Key_Return, converte},
        {"frmCheque", 1, "mnuCheque", Qt::Key_Return, cheque},
        {"frmPromissoria", 1, "mnuPromissoria", Qt::Key_Return, promissoria},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.janela);
        Usuario usuario(pasta.path());
        Bancada b(usuario, {QString(), caso.idioma, false});
        JanelaCalcula& janela = b.abrir();
        // The documents take the value on the display, and the note asks for its due date.
        for (const char c : {'1', '2', '3'})
            janela.entrada([&] { janela.form().teclar(c); });
        b.entrada.respostas.push_back(QStringLiteral("05/04/2025"));

        QStringList esperada, andada;
        QTimer::singleShot(0, [&] {
            QWidget* aberta = nullptr;
            const bool pronta = esperarAte([&] {
                aberta = QApplication::activeModalWidget();
                return aberta && QString::fromLatin1(aberta->metaObject()->className()).endsWith(
                                     QStringLiteral("::") + QLatin1String(caso.janela))
                       && aberta->isActiveWindow() && aberta->focusWidget();
            });
            if (!pronta) {
                ADD_FAILURE() << "the window did not open with the focus on a control";
                if (aberta)
                    aberta->close();
                return;
            }
            const Campos campos = caso.ordem(aberta);
            for (const auto& [nome, campo] : campos) {
                esperada << nome;
                andada << nomeDe(aberta->focusWidget(), campos);
                if (andada.size() < qsizetype(campos.size()))
                    QTest::keyClick(aberta->focusWidget(), caso.tecla);
            }
            QTest::keyClick(aberta->focusWidget(), Qt::Key_Escape);
        });
        b.comando(QString::fromLatin1(caso.comando));
        EXPECT_FALSE(esperada.isEmpty());
        EXPECT_EQ(andada, esperada);
    }
}

}  // namespace
