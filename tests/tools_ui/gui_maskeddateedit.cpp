#include "tools/ui/maskeddateedit.h"

#include "support/esperar.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Janela {
    QDialog janela;
    MaskedDateEdit* data = new MaskedDateEdit(&janela, QLatin1Char('/'));
    QLineEdit* outro = new QLineEdit(&janela);
    int saidas = 0;

    Janela()
    {
        auto* layout = new QVBoxLayout(&janela);
        layout->addWidget(data);
        layout->addWidget(outro);
        QObject::connect(data, &MaskedDateEdit::left, &janela, [this] { ++saidas; });
        janela.show();
        QApplication::setActiveWindow(&janela);
        data->setFocus();
        EXPECT_TRUE(teste::esperarAte([this] { return data->hasFocus(); }));
    }
};

TEST(MaskedDateEdit, KeysGoThroughTheMask)
{
    Janela j;
    j.data->setDateText(QStringLiteral("15/06/2024"));
    j.data->selectAll();
    QTest::keyClicks(j.data, QStringLiteral("2007x2024"));
    EXPECT_EQ(j.data->text(), QStringLiteral("20/07/2024"));
    QTest::keyClick(j.data, Qt::Key_Home);
    QTest::keyClick(j.data, Qt::Key_Right);
    QTest::keyClick(j.data, Qt::Key_Right);
    QTest::keyClick(j.data, Qt::Key_Right);
    QTest::keyClick(j.data, Qt::Key_Backspace);
    EXPECT_EQ(j.data->text(), QStringLiteral("2_/__/____"));
    QTest::keyClick(j.data, Qt::Key_Home);
    QTest::keyClick(j.data, Qt::Key_Delete);
    EXPECT_TRUE(j.data->isBlank());
}

TEST(MaskedDateEdit, APastedDateGoesInWholeInTheBoxsOrder)
{
    Janela j;
    const QDate hoje(2026, 12, 11);
    EXPECT_TRUE(j.data->pasteDate(QStringLiteral("31.12.2025"), hoje));
    EXPECT_EQ(j.data->text(), QStringLiteral("31/12/2025"));
    EXPECT_TRUE(j.data->pasteDate(QStringLiteral("25/12"), hoje));
    EXPECT_EQ(j.data->text(), QStringLiteral("25/12/2026"));
    EXPECT_FALSE(j.data->pasteDate(QStringLiteral("3.1.12-2025"), hoje));
    EXPECT_EQ(j.data->text(), QStringLiteral("25/12/2026")) << "a text that is no date changes nothing";
    j.data->setOrder(DateOrder::MonthDayYear);
    EXPECT_TRUE(j.data->pasteDate(QStringLiteral("12/31/2025"), hoje));
    EXPECT_EQ(j.data->text(), QStringLiteral("12/31/2025"));
}

// The leave check shows a message; the message taking the focus must not run it again.
TEST(MaskedDateEdit, OnlyMovingToAnotherControlIsLeaving)
{
    Janela j;
    QMessageBox* caixa = nullptr;
    QTimer::singleShot(0, [&] {
        caixa = j.janela.findChild<QMessageBox*>();
        if (caixa)
            caixa->accept();
    });
    QMessageBox::information(&j.janela, {}, QStringLiteral("aviso"));
    ASSERT_NE(caixa, nullptr);
    QApplication::setActiveWindow(&j.janela);
    EXPECT_TRUE(teste::esperarAte([&] { return j.data->hasFocus(); }));
    EXPECT_EQ(j.saidas, 0);

    j.outro->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(teste::esperarAte([&] { return j.saidas == 1; }));
}

}  // namespace
}  // namespace tarvelo
