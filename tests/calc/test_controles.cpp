// The headless controls: the semantics the engine is built on.

#include "calc/controles.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace tarvelo;

namespace {

TEST(TextBox, ChangeRunsOnlyForARealChangeAndMayNest)
{
    TextBox caixa;
    std::vector<QString> vistos;
    caixa.Change = [&] {
        vistos.push_back(caixa.Text());
        if (caixa.Text().isEmpty())
            caixa.setText(QStringLiteral("0"));  // runs this handler again before returning
    };
    caixa.setText(QStringLiteral("5"));
    caixa.setText(QStringLiteral("5"));
    caixa.replace(0, 1, u"5");
    caixa.setText(QString());
    EXPECT_EQ(vistos, (std::vector<QString>{QStringLiteral("5"), QString(), QStringLiteral("0")}));
    EXPECT_EQ(caixa.Text(), QStringLiteral("0"));
}

TEST(TextBox, LengthLimitCutsCodeAndRefusesTyping)
{
    TextBox caixa;
    caixa.setMaxLength(3);
    caixa.setText(QStringLiteral("12345"));
    EXPECT_EQ(caixa.Text(), QStringLiteral("123"));
    caixa.setMaxLength(2);
    EXPECT_EQ(caixa.Text(), QStringLiteral("123")) << "a lower limit leaves the text";
    caixa.setSelStart(3);
    EXPECT_FALSE(caixa.type(u"4"));
    caixa.setSelStart(0);
    caixa.setSelLength(3);
    EXPECT_TRUE(caixa.type(u"9"));
    EXPECT_EQ(caixa.Text(), QStringLiteral("9"));
    EXPECT_EQ(caixa.SelStart(), 1);
}

TEST(TextBox, CaretIsInPlaceBeforeChangeRunsForTypedText)
{
    TextBox caixa;
    qsizetype caretNoChange = -1;
    caixa.Change = [&] { caretNoChange = caixa.SelStart(); };
    caixa.type(u"ab");
    EXPECT_EQ(caretNoChange, 2);
    caixa.setText(QStringLiteral("xyz"));
    EXPECT_EQ(caretNoChange, 0) << "code that sets the text puts the caret at the start";
    caixa.setSelStart(3);
    caixa.backspace();
    EXPECT_EQ(caixa.Text(), QStringLiteral("xy"));
    EXPECT_EQ(caretNoChange, 2);
}

TEST(TextBox, ReportsTheSmallestEditToAView)
{
    TextBox caixa;
    caixa.setText(QStringLiteral("abc\r\n"));
    std::vector<std::tuple<qsizetype, qsizetype, qsizetype>> edicoes;
    QObject::connect(&caixa, &TextBox::editado,
                     [&](const EdicaoTexto& e) { edicoes.emplace_back(e.position, e.removed, e.inserted); });
    caixa.append(u"de\r\n");
    caixa.setText(QStringLiteral("abX\r\nde\r\n"));
    caixa.removeLast(4);
    caixa.setMaxLength(4);
    caixa.append(u"zz");
    using E = std::tuple<qsizetype, qsizetype, qsizetype>;
    EXPECT_EQ(edicoes, (std::vector<E>{E{5, 0, 4}, E{2, 1, 1}, E{5, 4, 0}, E{4, 1, 0}}));
    EXPECT_EQ(caixa.Text(), QStringLiteral("abX\r"));
}

TEST(KeyButton, ToggleKeyFlipsAfterMouseUpAndBeforeClick)
{
    KeyButton tecla;
    tecla.CheckBoxBehaviour = true;
    std::vector<std::pair<std::string, bool>> eventos;
    tecla.MouseUp = [&](int, int, float, float) { eventos.emplace_back("MouseUp", tecla.Value()); };
    tecla.Click = [&] { eventos.emplace_back("Click", tecla.Value()); };
    tecla.release(1);
    tecla.release(2);
    tecla.setEnabled(false);
    tecla.release(1);
    EXPECT_EQ(eventos, (std::vector<std::pair<std::string, bool>>{{"MouseUp", false}, {"Click", true}, {"MouseUp", true}}));
}

}  // namespace
