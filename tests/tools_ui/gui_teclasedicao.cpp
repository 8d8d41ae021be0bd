// Selecting, copying and pasting with the keyboard in the fields of the tool windows,
// through each window's key filters.

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

TEST(TeclasDeEdicao, SelectCopyCutAndPasteInTheToolWindowsFields)
{
    teste::ServicosFalsos falsos;
    teste::ImpressoraFalsa impressora;
    teste::ClipboardFalso resultados;
    frmData data(falsos.servicos(), false);
    frmRegra regra(falsos.servicos(), &impressora);
    frmPeso peso(falsos.servicos());
    frmConverte converte(falsos.servicos(), resultados);
    const struct {
        QWidget* janela;
        teste::CampoEditavel campo;
    } casos[] = {
        {&data, {"frmData txtAnos", data.txtAnos, QStringLiteral("3"), QStringLiteral("3a")}},
        {&data, {"frmData txtDias", data.txtDias, QStringLiteral("-5"), QStringLiteral("5,")}},
        {&regra, {"frmRegra txtValor(0)", regra.txtValor[0], QStringLiteral("2,5"), QStringLiteral("2,5-1")}},
        {&peso, {"frmPeso txtAltura", peso.txtAltura, QStringLiteral("1,75"), QStringLiteral("1,7,5")}},
        {&converte, {"frmConverte txtValor1", converte.txtValor1, QStringLiteral("2,5"), QStringLiteral("2.5")}},
    };
    for (const auto& caso : casos) {
        mostrar(*caso.janela);
        teste::verificarTeclasDeEdicao(caso.campo);
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

}  // namespace
}  // namespace tarvelo
