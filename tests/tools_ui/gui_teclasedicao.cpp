// Selecting, copying and pasting in the fields of the tool windows, through each window's
// key filters and its fields' rules.

#include "support/colagem.h"
#include "support/ferramentasfalsas.h"
#include "support/impressorafalsa.h"
#include "support/teclasedicao.h"

#include "tools/ui/campotexto.h"
#include "tools/ui/frmconverte.h"
#include "tools/ui/frmdata.h"
#include "tools/ui/frmpeso.h"
#include "tools/ui/frmregra.h"
#include "tools/ui/maskeddateedit.h"

namespace tarvelo {
namespace {

void mostrar(QWidget& janela)
{
    janela.show();
    QApplication::setActiveWindow(&janela);
    ASSERT_TRUE(teste::esperarAte([&janela] { return janela.isActiveWindow(); }));
}

// The tool windows with number fields.
struct Ferramentas : teste::ServicosFalsos {
    teste::ImpressoraFalsa impressora;
    teste::ClipboardFalso resultados;
    frmData data{servicos(), false};
    frmRegra regra{servicos(), &impressora};
    frmPeso peso{servicos()};
    frmConverte converte{servicos(), resultados};
};

TEST(TeclasDeEdicao, SelectCopyCutAndPasteInTheToolWindowsFields)
{
    Ferramentas f;
    const struct {
        QWidget* janela;
        teste::CampoEditavel campo;
    } casos[] = {
        {&f.data, {"frmData txtAnos", f.data.txtAnos, QStringLiteral("3"), QStringLiteral("3a")}},
        {&f.data, {"frmData txtDias", f.data.txtDias, QStringLiteral("-5"), QStringLiteral("5,5")}},
        {&f.regra, {"frmRegra txtValor(0)", f.regra.txtValor[0], QStringLiteral("2,5"), QStringLiteral("2,5-1")}},
        {&f.peso, {"frmPeso txtAltura", f.peso.txtAltura, QStringLiteral("1,75"), QStringLiteral("1,7,5")}},
        {&f.converte, {"frmConverte txtValor1", f.converte.txtValor1, QStringLiteral("2,5"), QStringLiteral("2.5")}},
    };
    for (const auto& caso : casos) {
        mostrar(*caso.janela);
        teste::verificarTeclasDeEdicao(caso.campo);
        caso.janela->hide();
    }
}

TEST(TeclasDeEdicao, ANumberFieldTakesAPastedNumberInTheUsersFormatAndNothingElse)
{
    Ferramentas f;
    const struct {
        QWidget* janela;
        teste::CampoNumerico campo;
    } casos[] = {
        {&f.regra, {"frmRegra txtValor(0)", f.regra.txtValor[0], true, false}},
        {&f.converte, {"frmConverte txtValor1", f.converte.txtValor1, true, true}},
        {&f.peso, {"frmPeso txtPeso", f.peso.txtPeso, true, false}},
        // The window takes a minus only while the days field is empty.
        {&f.data, {"frmData txtDias", f.data.txtDias, false, true, QString()}},
    };
    for (const auto& caso : casos) {
        mostrar(*caso.janela);
        teste::verificarColagensNosDoisFormatos({caso.campo}, f.bipes);
        caso.janela->hide();
    }
}

TEST(TeclasDeEdicao, TheDateBoxSelectsWholeAndTakesAPastedDateAsTyped)
{
    teste::ServicosFalsos falsos;
    frmData data(falsos.servicos(), false);
    mostrar(data);
    MaskedDateEdit* campo = data.txtData[0];
    campo->setFocus(Qt::TabFocusReason);
    campo->setDateText(QStringLiteral("25/12/2026"));
    campo->end(false);
    const auto ctrl = [campo](Qt::Key tecla) { QTest::keyClick(campo, tecla, Qt::ControlModifier); };
    ctrl(Qt::Key_A);
    ctrl(Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("25/12/2026"));
    QTest::keyClick(campo, Qt::Key_Backspace);
    EXPECT_TRUE(campo->isBlank()) << campo->text().toStdString();

    data.txtAnos->setText(QStringLiteral("4"));  // what the earlier dates gave
    ctrl(Qt::Key_V);
    EXPECT_EQ(campo->text(), QStringLiteral("25/12/2026"));
    EXPECT_EQ(data.txtAnos->text(), QString()) << "a pasted date clears the results as a typed one does";
}

TEST(TeclasDeEdicao, ADateBoxTakesAPastedTextThatReadsAsADateWhole)
{
    teste::ServicosFalsos falsos;
    frmData data(falsos.servicos(), false);
    mostrar(data);
    MaskedDateEdit* caixa = data.txtData[0];
    const QString antes = QStringLiteral("01/02/2020");
    const struct {
        const char* colado;
        const char* esperado;  // none: refused
    } casos[] = {
        {"25/12/2026", "25/12/2026"},
        {"25/12/2026\r\n", "25/12/2026"},
        {"3.1.2025", "03/01/2025"},
        {"55/12/2026", nullptr},
        {"31/02/2027", nullptr},
        {"1.234", nullptr},
        {"abc", nullptr},
        {"3.1.12-2025", nullptr},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.colado);
        caixa->setFocus(Qt::TabFocusReason);
        caixa->setDateText(antes);
        caixa->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(caso.colado));
        const int bipes = falsos.bipes;
        QTest::keyClick(caixa, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(caixa->text(), caso.esperado ? QString::fromUtf8(caso.esperado) : antes);
        EXPECT_EQ(falsos.bipes - bipes, caso.esperado ? 0 : 1);
    }
}

}  // namespace
}  // namespace tarvelo
