#include "bancada.h"

#include "controls/xpbutton.h"
#include "documents/ui/frmcheque.h"
#include "documents/ui/frmpromissoria.h"
#include "host/texto.h"
#include "platform/registry.h"
#include "platform/ui/qtprinterservice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Leiaute : public BancadaDocumentos {};

// Two tools in one row: most of the shorter one's height is beside the other.
bool ladoALado(const QRect& a, const QRect& b)
{
    const int comum = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return comum > std::min(a.height(), b.height()) / 2;
}

// The tool bar as each document shows it: every tool inside the window, as wide as its
// caption, and none touching the one beside it.
TEST_F(Leiaute, TheToolsFitTheirCaptionsInsideTheWindowWithoutTouching)
{
    frmCheque cheque_(servicos, cheque);
    frmPromissoria nota_(servicos, nota);
    for (JanelaDocumento* janela : std::initializer_list<JanelaDocumento*>{&cheque_, &nota_}) {
        janela->show();
        QList<QWidget*> ferramentas;
        for (QWidget* w : janela->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden() && (qobject_cast<XPButton*>(w) || qobject_cast<QCheckBox*>(w)
                                   || qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w)))
                ferramentas << w;
        ASSERT_GE(ferramentas.size(), 9);
        for (const QWidget* w : ferramentas) {
            const std::string nome = (janela->objectName() + QLatin1Char(' ') + w->objectName()
                                      + QLatin1Char(' ') + w->property("text").toString())
                                         .toStdString();
            EXPECT_TRUE(janela->rect().contains(w->geometry())) << nome;
            if (const auto* botao = qobject_cast<const XPButton*>(w)) {
                EXPECT_GE(botao->width(), botao->CaptionFitWidth()) << nome;
            } else if (!qobject_cast<const QComboBox*>(w)) {
                EXPECT_GE(w->width(), w->sizeHint().width()) << nome;
            }
            for (const QWidget* outro : ferramentas) {
                if (outro != w && ladoALado(w->geometry(), outro->geometry())) {
                    EXPECT_FALSE(w->geometry().adjusted(-2, 0, 2, 0).intersects(outro->geometry()))
                        << nome << " touches " << outro->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(Leiaute, DraggingAFieldMovesItAndTheSavedModelHoldsTheNewPlace)
{
    frmCheque janela(servicos, cheque);
    janela.show();
    QWidget* valor = janela.campo("txtValor");
    ASSERT_EQ(valor->pos(), QPoint(454, 10));
    janela.Check2->setChecked(true);

    mover(valor, {20, 5}, Qt::NoButton);
    EXPECT_EQ(janela.lblLocal->text(), QStringLiteral(" Posição:  454 / 010"));
    QTest::mousePress(valor, Qt::LeftButton, Qt::NoModifier, {20, 5});
    mover(valor, {30, 8}, Qt::LeftButton);
    mover(valor, {20, 18}, Qt::LeftButton);  // field coordinates: the field has moved under the pointer
    QTest::mouseRelease(valor, Qt::LeftButton, Qt::NoModifier, {20, 18});
    EXPECT_EQ(valor->pos(), QPoint(454 + 10, 10 + 3 + 13));
    EXPECT_EQ(janela.lblLocal->text(), QStringLiteral(" Posição:  464 / 026"));
    EXPECT_TRUE(janela.alterado());

    entrada.respostas = {QStringLiteral(" banco x ")};
    janela.cmdSalvar_Click();
    EXPECT_EQ(setting("Cheque", "Banco"), QStringLiteral(" BANCO X "));
    EXPECT_EQ(setting("Cheque", "lblValorL"), QStringLiteral("464"));
    EXPECT_EQ(setting("Cheque", "lblValorT"), QStringLiteral("26"));
    EXPECT_EQ(janela.cbModelo->itemText(0), QStringLiteral(" BANCO X "));
    EXPECT_EQ(janela.cbModelo->count(), 9);
    EXPECT_FALSE(janela.alterado());
    EXPECT_FALSE(janela.Check2->isChecked());
    EXPECT_EQ(entrada.textos().first(),
              QStringLiteral("Informe o nome do Banco deste Modelo de Cheque:| Salvar Modelo|Modelo 1"));
}

// A name is one line: what a pasted spreadsheet cell brings along of line breaks, tabs and
// other control characters is left out, and the Backup then writes the name.
TEST_F(Leiaute, ThePromptTakesTheNameAsOneLine)
{
    frmCheque janela(servicos, cheque);
    janela.show();
    const struct {
        QString colado;
        QString nome;
    } casos[] = {
        {QStringLiteral("banco x\r\n"), QStringLiteral("BANCO X")},
        {QStringLiteral("banco\ty\n"), QStringLiteral("BANCOY")},
        {QStringLiteral("b\u0000anco\u007f z\u0085"), QStringLiteral("BANCO Z")},
    };
    for (const auto& caso : casos) {
        janela.cmdSalvar->setEnabled(true);
        entrada.respostas = {caso.colado};
        janela.cmdSalvar_Click();
        EXPECT_EQ(setting("Cheque", "Banco"), caso.nome);
        EXPECT_EQ(janela.cbModelo->itemText(0), caso.nome);
    }

    arquivos.escolhido = arquivo(QStringLiteral("BackupCheques.reg"));
    QTest::mouseClick(janela.cmdBackup, Qt::LeftButton);
    EXPECT_EQ(mensagens.textos(), QStringList{fTexto(1120, arquivos.escolhido)});
    QFile backup(arquivos.escolhido);
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_TRUE(backup.readAll().contains("\r\n\"Banco\"=\"BANCO Z\"\r\n"));
}

TEST_F(Leiaute, ABlankNameWritesNothing)
{
    frmPromissoria janela(servicos, nota);
    janela.cbModelo->setCurrentIndex(3);
    janela.cbModelo_Click();
    janela.cmdSalvar->setEnabled(true);
    entrada.respostas = {QStringLiteral("   ")};
    janela.cmdSalvar_Click();
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].texto, QStringLiteral("Alterações canceladas pelo usuário"));
    EXPECT_EQ(mensagens.vistas[0].flags, mb::Critical);
    EXPECT_TRUE(janela.alterado());
    EXPECT_TRUE(configuracoes.GetAllSettings("Promissoria3").isEmpty());

    janela.chkNegrito->setChecked(true);
    entrada.respostas = {QStringLiteral("nota")};
    janela.cmdSalvar_Click();
    EXPECT_EQ(setting("Promissoria3", "Modelo"), QStringLiteral("NOTA"));
    EXPECT_EQ(setting("Promissoria", "Negrito"), QStringLiteral("1"));  // the bold setting is the document's
    EXPECT_EQ(setting("Promissoria3", "Negrito"), QStringLiteral("(missing)"));
}

// A model the store cannot take is told once, by the store, and nothing is lost: the
// moved field stays where the user put it, the model keeps its old name and the layout
// is still unsaved, so closing asks again.
TEST_F(Leiaute, AModelTheStoreCannotTakeIsToldOnceAndTheLayoutStaysUnsaved)
{
    frmCheque janela(servicos, cheque);
    janela.show();
    QWidget* valor = janela.campo("txtValor");
    janela.Check2->setChecked(true);
    arrastar(valor, {20, 5}, {30, 21});
    ASSERT_EQ(valor->pos(), QPoint(464, 26));
    // The store a few bytes short of its size limit: the model would take it past.
    configuracoes.SaveSetting("Conf", "Grande", QString(kMaxRegistryFileBytes - 2048, u'x'));
    const qint64 livre = kMaxRegistryFileBytes - QFileInfo(registro.hiveFilePath(Hive::CurrentUser)).size();
    configuracoes.SaveSetting("Conf", "Grande", QString(kMaxRegistryFileBytes - 2048 + livre - 16, u'x'));
    int avisosDoArmazem = 0;
    registro.onWriteFailed = [&avisosDoArmazem](const QString&, const QString&) { ++avisosDoArmazem; };

    entrada.respostas = {QStringLiteral("banco x")};
    janela.cmdSalvar_Click();
    EXPECT_EQ(avisosDoArmazem, 1);
    EXPECT_TRUE(mensagens.vistas.empty()) << mensagens.textos().join(u'|').toStdString();
    EXPECT_EQ(setting("Cheque", "Banco"), QStringLiteral("(missing)"));
    EXPECT_EQ(janela.cbModelo->itemText(0), QStringLiteral("Modelo 1"));
    EXPECT_EQ(janela.cbModelo->count(), 9);
    EXPECT_EQ(valor->pos(), QPoint(464, 26));
    EXPECT_TRUE(janela.alterado());
}

TEST_F(Leiaute, TheBandSelectsRowsWholeAndTheSelectionMovesTogether)
{
    frmCheque janela(servicos, cheque);
    janela.show();
    // From the bare window left of the date row, down over the city only.
    QTest::mousePress(&janela, Qt::LeftButton, Qt::NoModifier, {240, 105});
    mover(&janela, {270, 120}, Qt::LeftButton);
    EXPECT_TRUE(janela.Check2->isChecked());
    for (const char* nome : {"txtCidade", "txtDia", "txtAno"})
        EXPECT_TRUE(janela.selecionado(QString::fromLatin1(nome))) << nome;
    EXPECT_TRUE(janela.selecionado(QStringLiteral("txtMês")));
    EXPECT_FALSE(janela.selecionado("txtFavorecido"));
    mover(&janela, {241, 106}, Qt::LeftButton);  // shrinking away unselects
    EXPECT_FALSE(janela.selecionado("txtCidade"));
    mover(&janela, {270, 120}, Qt::LeftButton);
    QTest::mouseRelease(&janela, Qt::LeftButton, Qt::NoModifier, {270, 120});
    EXPECT_TRUE(janela.selecionado("txtAno"));

    QWidget* dia = janela.campo("txtDia");
    mover(dia, {5, 5}, Qt::NoButton);
    mover(dia, {9, 2}, Qt::LeftButton);
    EXPECT_EQ(janela.campo("txtCidade")->pos(), QPoint(262 + 4, 112 - 3));
    EXPECT_EQ(janela.campo("txtAno")->pos(), QPoint(580 + 4, 112 - 3));
    EXPECT_EQ(janela.campo("txtValor")->pos(), QPoint(454, 10));
    // The payee list hangs under the payee after every drag step.
    const QWidget* favorecido = janela.campo("txtFavorecido");
    EXPECT_EQ(janela.lstFavorecido->pos(), QPoint(favorecido->x(), favorecido->y() + favorecido->height()));

    QTest::mouseClick(&janela, Qt::LeftButton, Qt::NoModifier, {5, 200});  // a click clears the selection
    EXPECT_FALSE(janela.selecionado("txtAno"));
    janela.Check2->setChecked(false);
}

class Impressao : public BancadaDocumentos {
protected:
    void SetUp() override
    {
        impressoras.instaladas = {{"Laser", ""}, {"Cheques", ""}};
        impressoras.padrao = QStringLiteral("Laser");
    }
    static int pixels(const QImage& imagem, const std::function<bool(QColor)>& conta, QRect area = {})
    {
        area = area.isNull() ? imagem.rect() : area & imagem.rect();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += conta(imagem.pixelColor(x, y));
        return n;
    }
};

TEST_F(Impressao, ThreeCopiesAreThreeOnePageJobsOfTheFieldsAlone)
{
    configuracoes.SaveSetting("Conf", "ImpDispo", "Cheques");
    configuracoes.SaveSetting("Conf", "Visivel", "False");
    frmCheque janela(servicos, cheque);
    janela.show();
    janela.Form_Activate();
    janela.definirTexto("txtFavorecido", QStringLiteral("josé silva"));
    janela.lstCopias->setCurrentIndex(2);
    QTest::mousePress(&janela, Qt::LeftButton, Qt::NoModifier, {1, 1});
    mover(&janela, {650, 270}, Qt::LeftButton);  // every field selected
    ASSERT_TRUE(janela.selecionado("txtValor"));
    janela.campo("txtFavorecido")->setFocus();

    janela.cmdImprimir_Click();
    ASSERT_EQ(impressoras.trabalhos.size(), 3u);
    for (const auto& trabalho : impressoras.trabalhos) {
        EXPECT_EQ(trabalho.impressora, QStringLiteral("Cheques"));
        const QImage& pagina = trabalho.pagina;
        EXPECT_EQ(pixels(pagina, [](QColor c) { return c == QColor(0xC0, 0xFF, 0xFF); }), 0);  // no selection
        // The tool bar's strip and the help button's corner are bare paper; the fields are printed.
        const auto tinta = [](QColor c) { return c != Qt::white; };
        EXPECT_EQ(pixels(pagina, tinta, QRect(0, 190, 658, 87)), 0);
        EXPECT_EQ(pixels(pagina, tinta, QRect(0, 0, 80, 30)), 0);
        EXPECT_GT(pixels(pagina, [](QColor c) { return qGray(c.rgb()) < 100; }, QRect(454, 10, 177, 17)), 20);
        EXPECT_EQ(trabalho.pagina, impressoras.trabalhos.front().pagina);
    }
    EXPECT_FALSE(janela.isVisible());
    ASSERT_FALSE(mensagens.vistas.empty());
    EXPECT_EQ(mensagens.vistas.back().texto, QStringLiteral("Enviado para impressora"));
    EXPECT_EQ(setting("Cheque", "Favorecido"), QStringLiteral("JOSÉ SILVA"));
    EXPECT_EQ(ler("favorecidos.txt"), "JOS\xC3\x89 SILVA\r\n");
}

TEST_F(Impressao, AFailedJobSaysSoAndStillClosesWithTheTextsKept)
{
    impressoras.recusar = true;
    frmPromissoria janela(servicos, nota);
    janela.show();
    janela.definirTexto("txtCredor", QStringLiteral("loja"));
    janela.cmdImprimir_Click();
    ASSERT_FALSE(mensagens.vistas.empty());
    EXPECT_EQ(mensagens.vistas.back().texto, QStringLiteral("A impressora não está respondendo ou não está instalada"));
    EXPECT_EQ(mensagens.vistas.back().flags, mb::Critical);
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(setting("Promissoria", "Credor"), QStringLiteral("LOJA"));
    EXPECT_EQ(setting("Promissoria", "Numero"), QStringLiteral("00001"));
}

}  // namespace

namespace {

TEST_F(Impressao, OnAPdfPrinterTheFieldsStandWhereTheModelPutsThem)
{
    QTemporaryDir saida;
    const QString pdf = saida.filePath(QStringLiteral("cheque.pdf"));
    QtPrinterService real = QtPrinterService::pdf(pdf);
    ServicosDocumento comPdf{mensagens, entrada, relogio, configuracoes, real, arquivos};
    frmCheque janela(comPdf, cheque);
    janela.show();
    janela.Form_Activate();
    janela.definirTexto("txtFavorecido", QStringLiteral("Maria"));
    janela.cmdImprimir_Click();
    EXPECT_EQ(mensagens.vistas.back().texto, QStringLiteral("Enviado para impressora"));
    QFile arquivo(pdf);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    EXPECT_EQ(QString::fromLatin1(arquivo.readAll()).count(pagina), 1);
}

}  // namespace
