// The paste window on a real X server, carried to another program's text field.

#include "support/outroprograma.h"

#include "mainwindow/frmpaste.h"
#include "platform/ui/x11keystrokes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

TEST(PasteWindowOnX11, FollowsThePointerAndTypesTheNumberIntoTheFieldClickedTwice)
{
    OutroPrograma outro(QStringLiteral("abc def"));
    ASSERT_TRUE(outro.pronto());
    X11Keystrokes teclas;
    ASSERT_TRUE(teclas.available());
    QGuiApplication::clipboard()->setText(QStringLiteral("1.234,56"));
    QLineEdit nossa;

    QPointer<frmPaste> janela = frmPaste::Show(teclas, nullptr);
    const auto centradaEm = [&janela](QPoint ponto) {
        return esperarAte([&] { return janela && janela->pos() + QPoint(8, 8) == ponto; });
    };
    for (const QPoint ponto : {QPoint(100, 100), QPoint(300, 200), outro.centro()}) {
        outro.mouse(ponto, false);
        EXPECT_TRUE(centradaEm(ponto)) << ponto.x() << "," << ponto.y();
    }
    EXPECT_EQ(janela->size(), QSize(16, 16));
    QTest::keyClicks(&nossa, QStringLiteral("x"));
    EXPECT_EQ(nossa.text(), QString()) << "the program's other windows take no input meanwhile";

    outro.mouse(outro.centro(), true);
    ASSERT_TRUE(esperarAte([&] { return janela && janela->isHidden(); })) << "the first press hides it";
    outro.mouse(outro.centro(), true);
    EXPECT_TRUE(esperarAte([&] { return outro.texto == QLatin1String("1.234,56"); }))
        << "the field holds " << outro.texto.toStdString();
    EXPECT_TRUE(esperarAte([&] { return janela.isNull(); })) << "unloaded once it has typed";
    EXPECT_TRUE(outro.temFoco()) << "the paste window never takes the focus";
}

}  // namespace
