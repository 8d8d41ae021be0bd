// Clearing the tape with its backup, showing the backup and saving the tape as a file.

#include "support/calculadora.h"

#include "calc/fita_backup.h"
#include "calc/linhafita.h"
#include "host/texto.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

const QString kSeparadorCrLf = QStringLiteral(" =========================\r\n");

// A file of that size whose last line is ended, as every backup's is.
void criarArquivo(const QString& caminho, qint64 tamanho)
{
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    ASSERT_TRUE(arquivo.resize(tamanho - 2));
    ASSERT_TRUE(arquivo.seek(tamanho - 2));
    ASSERT_EQ(arquivo.write("\r\n"), 2);
}

TEST(Backup, ClearingAHeaderOnlyTapeAppendsItWithTheTimeStamp)
{
    Calculadora b;
    b.calc.mnuBackup.setChecked(true);
    const QString cabecalho = QStringLiteral(" 05/03/2025 qua           \r\n") + kSeparadorCrLf;
    ASSERT_EQ(visivel(b.calc.txtFita.Text()), visivel(cabecalho));

    b.calc.mnuLimpar_Click();

    const QString esperado = cabecalho + QStringLiteral(" =========================\r\n\r\n"
                                                        "        BKP = 09:05:07 hs.\r\n\r\n"
                                                        " =========================\r\n");
    EXPECT_EQ(visivel(QString::fromUtf8(b.backup())), visivel(esperado));
    EXPECT_EQ(b.backup().size(), esperado.size());
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(cabecalho));
    EXPECT_TRUE(b.mensagens.vistas.empty());
}

TEST(Backup, ACalculationIsBackedUpAsItStandsAndTheNextBlockFollowsIt)
{
    Calculadora b;
    b.calc.mnuBackup.setChecked(true);
    b.teclas(QStringLiteral("5*3"));
    const QString fita = b.calc.txtFita.Text();
    b.calc.mnuLimpar_Click();
    b.relogio.agora = b.relogio.agora.addSecs(3600);
    b.calc.mnuLimpar_Click();

    const QByteArray bytes = b.backup();
    EXPECT_TRUE(bytes.startsWith(fita.toUtf8())) << "the open calculation goes as it stands";
    EXPECT_TRUE(bytes.contains("BKP = 09:05:07 hs."));
    EXPECT_TRUE(bytes.endsWith("BKP = 10:05:07 hs.\r\n\r\n =========================\r\n"));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("0"));
    EXPECT_EQ(b.calc.lblVisor[1].Caption(), QStringLiteral("000"));
}

// A new backup file is in the desktop's encoding. One carried over from Windows goes on
// in the encoding it has, so that the program the user reads it with reads all of it.
TEST(Backup, TheBackupIsAddedToInTheEncodingOfItsFile)
{
    struct Caso {
        const char* antes;  // nullptr: no file yet
        QByteArray multiplicacao;
    };
    for (const Caso& caso : {Caso{nullptr, "5 \xC3\x97\r\n"}, Caso{" =========================\r\n", "5 \xC3\x97\r\n"},
                             Caso{"                       2 \xD7\r\n", "5 \xD7\r\n"}}) {
        Calculadora b;
        b.calc.mnuBackup.setChecked(true);
        if (caso.antes) {
            QFile arquivo(b.pasta() + QStringLiteral("calcula.txt"));
            ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
            ASSERT_GT(arquivo.write(caso.antes), 0);
        }
        b.teclas(QStringLiteral("5*3"));
        b.calc.mnuLimpar_Click();
        EXPECT_TRUE(b.backup().startsWith(caso.antes)) << caso.antes;
        EXPECT_TRUE(b.backup().contains(caso.multiplicacao)) << caso.antes;
    }
}

// A block never runs on from a last line left open by an editor, and it keeps the line
// ends the file's lines have.
TEST(Backup, TheBlockStartsALineOfItsOwnEndedAsTheFilesLinesAre)
{
    const struct {
        QByteArray antes;
        QByteArray fimDeLinha;
    } casos[] = {{" =========================", "\r\n"}, {"notas\n =========================", "\n"}};
    for (const auto& caso : casos) {
        Calculadora b;
        b.calc.mnuBackup.setChecked(true);
        QFile arquivo(b.pasta() + QStringLiteral("calcula.txt"));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        ASSERT_GT(arquivo.write(caso.antes), 0);
        arquivo.close();

        b.calc.mnuLimpar_Click();

        const QByteArray& fim = caso.fimDeLinha;
        EXPECT_EQ(b.backup(), caso.antes + fim + " 05/03/2025 qua           " + fim + kSeparador.toLatin1() + fim
                                  + kSeparador.toLatin1() + fim + fim + "        BKP = 09:05:07 hs." + fim + fim
                                  + kSeparador.toLatin1() + fim);
    }
}

TEST(Backup, NothingIsWrittenWithTheOptionOffOrForATapeOfOneLine)
{
    struct Caso {
        bool opcao;
        QString fita;
        bool escrito;
    };
    const QString linha = QStringLiteral("                       5 +\r\n");
    for (const Caso& caso : {Caso{false, QString(), false}, Caso{true, QString(), false},
                             Caso{true, linha, false}, Caso{true, linha + QLatin1Char(' '), true},
                             Caso{false, QString(5000, QLatin1Char(' ')), false}}) {
        Calculadora b;
        b.calc.mnuBackup.setChecked(caso.opcao);
        b.calc.txtFita.setText(caso.fita);
        b.calc.mnuLimpar_Click();
        EXPECT_EQ(QFile::exists(b.pasta() + QStringLiteral("calcula.txt")), caso.escrito)
            << caso.opcao << " " << caso.fita.size();
        EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho)) << "the tape is cleared";
    }
}

TEST(Backup, ATapeThatCannotBeBackedUpStaysUntilABackupSucceeds)
{
    Calculadora b;
    b.calc.mnuBackup.setChecked(true);
    const QString caminho = b.pasta() + QStringLiteral("calcula.txt");
    ASSERT_TRUE(QDir().mkdir(caminho)) << "a folder where the file should be: it cannot be opened";
    b.teclas(QStringLiteral("5+3+"));
    const QString fita = b.calc.txtFita.Text();

    b.calc.mnuLimpar_Click();
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fita));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("8")) << "nothing is cleared";
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(172, caminho));
    EXPECT_TRUE(b.mensagens.vistas[0].texto.contains(caminho));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Critical);

    // At load the window is hidden: no message, the calculation starts anew, the tape stays.
    b.calc.Visible = false;
    b.calc.mnuLimpar_Click();
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(fita));
    EXPECT_EQ(b.calc.lblTotal.Caption(), QStringLiteral("0"));
    EXPECT_EQ(b.calc.lblVisor[1].Caption(), QStringLiteral("000"));
    EXPECT_EQ(b.mensagens.vistas.size(), 1u);

    b.calc.Visible = true;
    ASSERT_TRUE(QDir().rmdir(caminho));
    b.calc.mnuLimpar_Click();
    EXPECT_TRUE(QString::fromUtf8(b.backup()).startsWith(fita)) << "the next clear backs the tape up";
    EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho));
}

TEST(Backup, ABackupFilePastThreePointTwoMillionBytesIsShownWithAWarning)
{
    const qsizetype bloco = BlocoBackup(QStringLiteral(" 05/03/2025 qua           \r\n") + kSeparadorCrLf,
                                        QTime(9, 5, 7))
                                .size();
    for (const qint64 depois : {qint64(3'200'000), qint64(3'200'001)}) {
        Calculadora b;
        b.calc.mnuBackup.setChecked(true);
        b.calc.chkCE.setValue(true);
        const QString caminho = b.pasta() + QStringLiteral("calcula.txt");
        criarArquivo(caminho, depois - bloco);
        b.calc.mnuLimpar_Click();
        ASSERT_EQ(QFileInfo(caminho).size(), depois);
        if (depois == 3'200'000) {
            EXPECT_TRUE(b.mensagens.vistas.empty());
            EXPECT_TRUE(b.shell.abertos.isEmpty());
        } else {
            ASSERT_EQ(b.mensagens.vistas.size(), 1u);
            EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(173));
            EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Exclamation);
            EXPECT_EQ(b.shell.abertos, QStringList{caminho});
            EXPECT_FALSE(b.calc.chkCE.Value());
        }
        EXPECT_EQ(visivel(b.calc.txtFita.Text()), visivel(b.cabecalho)) << "the clear completes";
    }
}

TEST(Backup, ShowingTheBackupOpensItOrSaysWhyNot)
{
    Calculadora b;
    const QString caminho = b.pasta() + QStringLiteral("calcula.txt");
    b.calc.mnuMostraBack_Click();
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(171));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Information);
    EXPECT_TRUE(b.shell.abertos.isEmpty());

    criarArquivo(caminho, 10);
    b.calc.mnuMostraBack_Click();
    EXPECT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.shell.abertos, QStringList{caminho});
    EXPECT_EQ(b.calc.WindowState, 1) << "the window makes way for the backup";

    // The opener starts, the window makes way, and then the opener says it opened nothing.
    b.calc.WindowState = 0;
    b.shell.abre = false;
    b.shell.retido = true;
    b.calc.mnuMostraBack_Click();
    b.shell.responder(1);
    EXPECT_EQ(b.calc.WindowState, 1);
    b.shell.responder();
    ASSERT_EQ(b.mensagens.vistas.size(), 2u);
    EXPECT_EQ(b.mensagens.vistas[1].texto, fTexto(172, caminho));
    EXPECT_EQ(b.mensagens.vistas[1].flags, mb::Critical | mb::KeysAfterPause);
    EXPECT_EQ(b.calc.WindowState, 0) << "the window comes back to tell it";

    // The desktop answers after the window has closed: nothing more happens to it.
    b.calc.mnuMostraBack_Click();
    b.calc.Visible = false;
    b.shell.responder();
    EXPECT_EQ(b.mensagens.vistas.size(), 2u);
    EXPECT_EQ(b.calc.WindowState, 0);
}

// ---- saving the tape -------------------------------------------------------------------

TEST(Salvar, TheDialogIsAskedWithTheLastFileAndTheFilterOfTheLanguage)
{
    struct Caso {
        int idioma;
        const char* filtro;
    };
    for (const Caso caso : {Caso{1, "Documento Texto (*.txt)|*.txt"}, Caso{2, "Text Document (*.txt)|*.txt"},
                            Caso{3, "Documento Texto (*.txt)|*.txt"}, Caso{4, "Documento Texto (*.txt)|*.txt"}}) {
        Calculadora b;
        globais().gIdioma = caso.idioma;
        b.calc.mnuSalvar_Click();
        ASSERT_EQ(b.dialogo.pedidos.size(), 1u);
        const FileDialogRequest& pedido = b.dialogo.pedidos[0];
        EXPECT_EQ(pedido.filter, QString::fromUtf8(caso.filtro));
        EXPECT_EQ(pedido.title, QLatin1Char(' ') + fTexto(208));
        EXPECT_EQ(pedido.fileName, QStringLiteral("Tarvelo.txt"));
        EXPECT_EQ(pedido.initDir + QLatin1Char('/'), b.pasta()) << "the program folder without its slash";
        EXPECT_EQ(pedido.flags, 2050);
        EXPECT_EQ(pedido.defaultExt, QStringLiteral("*.txt"));
        EXPECT_TRUE(pedido.hideReadOnly);
        EXPECT_FALSE(pedido.openDialog);
        EXPECT_FALSE(pedido.fileMustExist);
    }
}

TEST(Salvar, TheTapeIsWrittenWithALineBreakAndTheFileRemembered)
{
    Calculadora b;
    ASSERT_TRUE(QDir(b.pasta()).mkdir(QStringLiteral("Docs")));
    const QString arquivo = b.pasta() + QStringLiteral("Docs/fita.txt");
    b.teclas(QStringLiteral("5*3="));
    b.dialogo.escolhido = arquivo;
    b.calc.mnuSalvar_Click();

    QFile salvo(arquivo);
    ASSERT_TRUE(salvo.open(QIODevice::ReadOnly));
    EXPECT_EQ(salvo.readAll(), (b.calc.txtFita.Text() + QStringLiteral("\r\n")).toUtf8());
    EXPECT_TRUE(b.calc.txtFita.Text().contains(QStringLiteral("5 ×")));
    EXPECT_EQ(b.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("UltimoArq")), arquivo);
    EXPECT_EQ(b.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("UltimoPath")),
              b.pasta() + QStringLiteral("Docs/"));

    b.calc.mnuSalvar_Click();
    ASSERT_EQ(b.dialogo.pedidos.size(), 2u);
    EXPECT_EQ(b.dialogo.pedidos[1].fileName, arquivo);
    EXPECT_EQ(b.dialogo.pedidos[1].initDir, b.pasta() + QStringLiteral("Docs/"));
}

TEST(Salvar, CancelWritesNothingAndAFailedWriteSaysSoAndKeepsTheSettings)
{
    Calculadora b;
    b.calc.mnuSalvar_Click();
    EXPECT_TRUE(b.mensagens.vistas.empty());
    EXPECT_EQ(b.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("UltimoArq"), QStringLiteral("-")),
              QStringLiteral("-"));

    b.dialogo.escolhido = b.pasta() + QStringLiteral("sem-pasta/fita.txt");
    b.calc.mnuSalvar_Click();
    ASSERT_EQ(b.mensagens.vistas.size(), 1u);
    EXPECT_EQ(b.mensagens.vistas[0].texto, fTexto(30));
    EXPECT_EQ(b.mensagens.vistas[0].flags, mb::Critical);
    EXPECT_EQ(b.configuracoes.GetSetting(QStringLiteral("Conf"), QStringLiteral("UltimoArq"), QStringLiteral("-")),
              QStringLiteral("-"));
}

}  // namespace

namespace {

TEST(DialogoArquivo, FiltersAndTheDefaultExtensionBecomeQtsForms)
{
    EXPECT_EQ(nameFilters(QStringLiteral("Documento Texto (*.txt)|*.txt")),
              QStringList{QStringLiteral("Documento Texto (*.txt)")});
    EXPECT_EQ(nameFilters(QStringLiteral("Imagens|*.bmp;*.gif|Todos|*.*|sobra")),
              (QStringList{QStringLiteral("Imagens (*.bmp *.gif)"), QStringLiteral("Todos (*.*)")}));
    EXPECT_EQ(nameFilters(QString()), QStringList());
    EXPECT_EQ(defaultSuffix(QStringLiteral("*.txt")), QStringLiteral("txt"));
    EXPECT_EQ(defaultSuffix(QStringLiteral("txt")), QStringLiteral("txt"));
}

}  // namespace
