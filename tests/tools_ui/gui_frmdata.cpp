#include "tools/ui/frmdata.h"

#include "support/ferramentasfalsas.h"
#include "controls/xpbutton.h"
#include "support/esperar.h"
#include "support/rotulos.h"
#include "tools/ui/campotexto.h"
#include "tools/ui/maskeddateedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

struct Janela : teste::ServicosFalsos {
    frmData janela{servicos(), false};
    Janela()
    {
        janela.show();
        QApplication::setActiveWindow(&janela);
        EXPECT_TRUE(teste::esperarAte([this] { return janela.isActiveWindow(); }));
    }
    void datas(const char* inicial, const char* final)
    {
        janela.txtData[0]->setDateText(QString::fromLatin1(inicial));
        janela.txtData[1]->setDateText(QString::fromLatin1(final));
    }
    void digitar(QWidget* campo, const QString& teclas)
    {
        campo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(campo, teclas);
    }
};

TEST(frmData, OpensOnTodayWithTheFinalDateHighlighted)
{
    Janela j;
    EXPECT_EQ(j.janela.windowTitle(), QStringLiteral(" Calcular Data"));
    EXPECT_EQ(j.janela.txtData[0]->text(), QStringLiteral("05/03/2025"));
    EXPECT_EQ(j.janela.txtData[1]->text(), QStringLiteral("05/03/2025"));
    EXPECT_EQ(j.janela.txtData[1]->toolTip(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(j.janela.lblData[0]->text(), QStringLiteral("quarta-feira"));
    EXPECT_EQ(j.janela.txtData[1]->palette().color(QPalette::Base), QColor(Qt::blue));
    EXPECT_TRUE(j.janela.cmdCalcula[0]->Enabled());
    EXPECT_FALSE(j.janela.cmdCalcula[4]->Enabled());
    EXPECT_FALSE(j.janela.lblBissextos->isVisibleTo(&j.janela));
}

TEST(frmData, SplitAndItsRecordOnClose)
{
    Janela j;
    j.datas("15/03/2023", "10/03/2024");
    j.janela.cmdCalcula_Click(1);
    EXPECT_TRUE(j.janela.Check1[1]->isChecked());
    EXPECT_EQ(j.janela.txtMeses->text(), QStringLiteral("11"));
    EXPECT_EQ(j.janela.txtSemanas->text(), QStringLiteral("4"));
    EXPECT_EQ(j.janela.txtDias->text(), QStringLiteral("3"));
    EXPECT_TRUE(j.janela.lblHoje->text().startsWith(QStringLiteral("AVISO:")));
    QTest::keyClick(&j.janela, Qt::Key_Escape);
    EXPECT_EQ(j.porta.fita, QStringLiteral("         [10/03/2024] - \r\n"
                                                 "         [15/03/2023] = \r\n"
                                                 "              meses: 11 \r\n"
                                                 "             semanas: 4 \r\n"
                                                 "                dias: 3 \r\n"
                                                 " =========================\r\n"));
    EXPECT_TRUE(j.janela.txtData[1]->isBlank());
}

TEST(frmData, EqualDatesWriteNoRecord)
{
    Janela j;
    j.janela.cmdCalcula_Click(0);
    EXPECT_EQ(j.janela.txtAnos->text(), QStringLiteral("0"));
    j.janela.reject();
    EXPECT_EQ(j.porta.fita, QString());
}

TEST(frmData, OffsetsTypedThenEnterGiveTheFinalDate)
{
    Janela j;
    j.datas("01/01/2001", "01/01/2001");
    j.digitar(j.janela.txtAnos, QStringLiteral("4"));
    EXPECT_TRUE(j.janela.txtData[1]->isBlank()) << "typing an offset empties the final date";
    EXPECT_TRUE(j.janela.cmdCalcula[4]->Enabled());
    EXPECT_FALSE(j.janela.cmdCalcula[0]->Enabled());
    QTest::keyClick(j.janela.txtAnos, Qt::Key_Return);
    EXPECT_EQ(j.janela.txtData[1]->text(), QStringLiteral("01/01/2005"));
    EXPECT_EQ(j.janela.txtAnos->text(), QStringLiteral("4"));
    EXPECT_EQ(j.janela.lblBissextos->text(), QStringLiteral("1"));
    EXPECT_TRUE(j.janela.lblBissextos->isVisibleTo(&j.janela));

    // A minus only while the days field is empty, in any field.
    j.janela.txtDias->clear();
    j.digitar(j.janela.txtDias, QStringLiteral("-1-0"));
    EXPECT_EQ(j.janela.txtDias->text(), QStringLiteral("-10"));
    j.digitar(j.janela.txtMeses, QStringLiteral("-x,2"));
    EXPECT_EQ(j.janela.txtMeses->text(), QStringLiteral("2"));
    EXPECT_TRUE(j.janela.Check1[1]->isChecked()) << "typing months ticks the months box";
}

TEST(frmData, AWrongDateIsRefusedOnLeavingAndAnEmptyStartIsToday)
{
    Janela j;
    j.datas("31/02/2023", "10/03/2024");
    j.janela.txtData[0]->setFocus(Qt::TabFocusReason);
    j.janela.txtData[1]->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(j.mensagens.textos(), QStringList{QStringLiteral("Data informada incorreta")});
    EXPECT_EQ(j.mensagens.vistas[0].titulo, QStringLiteral(" Calcular Data"));
    EXPECT_EQ(j.janela.txtData[0]->text(), QStringLiteral("05/03/2025")) << "refused, masked, then today";
    EXPECT_TRUE(teste::esperarAte([&] { return j.janela.txtData[0]->hasFocus(); }));

    j.janela.txtData[0]->setDateText(QStringLiteral("12/05/____"));
    j.janela.txtData[1]->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(j.janela.txtData[0]->text(), QStringLiteral("12/05/2025")) << "day and month are this year's";
}

TEST(frmData, NegativeOffsetsEndBeforeTheStart)
{
    Janela j;
    j.datas("10/01/2024", "__/__/____");
    j.janela.txtDias->setText(QStringLiteral("-10"));
    j.janela.cmdCalcula_Click(4);
    EXPECT_EQ(j.janela.txtData[1]->text(), QStringLiteral("31/12/2023"));
    EXPECT_EQ(j.mensagens.textos(), QStringList{QStringLiteral("A data inicial tem que ser menor que a data final")});
}

TEST(frmData, TheTodayLineAndTheMonthsWarningFitTheirTwoLinesInEveryLanguage)
{
    const struct {
        int idioma;
        const char* locale;
    } casos[] = {{1, "pt_BR"}, {2, "en_US"}, {3, "es_ES"}, {4, "fr_FR"}};
    for (const auto& caso : casos) {
        for (const bool grande : {false, true}) {
            SCOPED_TRACE(::testing::Message() << caso.locale << (grande ? " large" : ""));
            teste::ServicosFalsos b;
            ScopedLocale locale(LocaleInfo::fromQLocale(QLocale(QString::fromLatin1(caso.locale))));
            globais().gIdioma = caso.idioma;
            // A Wednesday in September: the longest weekday and month names of the long date.
            b.relogio.agora = QDateTime(QDate(2025, 9, 24), QTime(9, 0));
            frmData janela(b.servicos(), grande);
            EXPECT_TRUE(teste::cabe(*janela.lblHoje));

            janela.txtData[1]->setDateText({});
            janela.txtMeses->setText(QStringLiteral("2"));
            janela.cmdCalcula_Click(1);
            ASSERT_EQ(janela.txtMeses->text(), QStringLiteral("2"));
            EXPECT_EQ(janela.lblHoje->palette().color(QPalette::WindowText), QColor(Qt::red)) << "the months warning";
            EXPECT_TRUE(teste::cabe(*janela.lblHoje));
        }
    }
}

TEST(frmData, LargeLayoutDoublesTheControls)
{
    teste::ServicosFalsos b;
    frmData normal(b.servicos(), false);
    frmData grande(b.servicos(), true);
    EXPECT_NEAR(grande.width() + 6, (normal.width() + 6) * 1.95, 1) << "outer width";
    EXPECT_NEAR(grande.height() + 27, (normal.height() + 27) * 1.8, 1) << "outer height";
    for (QWidget* c : grande.findChildren<QWidget*>())
        EXPECT_TRUE(grande.rect().contains(c->geometry())) << c->metaObject()->className() << " "
                                                           << c->objectName().toStdString();
    EXPECT_EQ(grande.txtAnos->geometry(), QRect(normal.txtAnos->x() * 2, normal.txtAnos->y() * 2,
                                                normal.txtAnos->width() * 2, normal.txtAnos->height() * 2));
    EXPECT_EQ(grande.Check1[0]->x(), grande.txtAnos->x() - 12);
    EXPECT_EQ(grande.Check1[0]->size(), normal.Check1[0]->size());
}

}  // namespace
}  // namespace tarvelo
