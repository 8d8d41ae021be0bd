#include "platform/ui/qtservices.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// The prompt as the window manager frames it: wide enough for its whole title in the title
// bar's bold face, beside the window's icon and buttons, and for its text.
TEST(InputBox, APromptIsAtLeastAsWideAsItsTitleAndItsText)
{
    const struct {
        const char* titulo;
        const char* texto;
    } casos[] = {
        {" Capitalizar Juro", "Valor:"},
        {" Agendar Horário para Alarme", "Informe o Horário Desejado:"},
        {"T", "Informe o valor depositado todos os meses na conta, sem contar os juros do mês:"},
    };
    QFont negrito = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    negrito.setBold(true);
    QtInputService caixas;
    InputService& servico = caixas;
    for (const auto& c : casos) {
        const QString titulo = QString::fromUtf8(c.titulo);
        const QString texto = QString::fromUtf8(c.texto);
        int largura = 0;
        QTimer::singleShot(0, [&largura] {
            if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 20000))
                return;
            if (QWidget* caixa = QApplication::activeModalWidget()) {
                largura = caixa->width();
                static_cast<QDialog*>(caixa)->reject();
            }
        });
        servico.ask(texto, titulo);
        EXPECT_GE(largura, QFontMetrics(negrito).horizontalAdvance(titulo.trimmed()) + 60) << c.titulo;
        EXPECT_GT(largura, QFontMetrics(QApplication::font()).horizontalAdvance(texto)) << c.texto;
    }
}

}  // namespace
