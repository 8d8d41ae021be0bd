#include "bancada.h"

#include "support/esperar.h"
#include "support/texto.h"

#include "documents/backupcheques.h"
#include "documents/quebraextenso.h"
#include "controls/xpbutton.h"
#include "documents/ui/abrirdocumentos.h"
#include "documents/ui/frmcheque.h"
#include "host/texto.h"
#include "host/ui/janelas.h"
#include "platform/fileio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <sys/stat.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Cheque : public BancadaDocumentos {};

TEST_F(Cheque, LoadsTheHandOverTodaysDateAndTheStoredCity)
{
    frmCheque janela(servicos, cheque);
    EXPECT_EQ(janela.texto("txtValor"), QStringLiteral("***1.234,56 "));
    EXPECT_EQ(janela.texto("txtCidade"), QStringLiteral("CIDADE - UF"));
    EXPECT_EQ(janela.texto("txtDia"), QStringLiteral("05"));
    EXPECT_EQ(janela.texto(QStringLiteral("txtMês")), QStringLiteral("MARÇO"));
    EXPECT_EQ(janela.texto("txtAno"), QStringLiteral("25"));
    EXPECT_FALSE(janela.alterado());
    EXPECT_EQ(janela.cbModelo->count(), 9);
    EXPECT_EQ(janela.lstCopias->currentText(), QStringLiteral("01"));
    EXPECT_EQ(janela.campo("txtValor")->geometry(), QRect(454, 10, 177, 17));

    janela.Form_Activate();
    const LinhasExtenso linhas = QuebraExtenso(cheque.extenso, kQuebraCheque);
    EXPECT_EQ(janela.texto("txtExtenso1"), linhas.linha1);
    EXPECT_EQ(janela.texto("txtExtenso2"), linhas.linha2);
    EXPECT_TRUE(linhas.linha2.startsWith(QStringLiteral("CENTAVOS) *")));
    janela.Form_Activate();  // again, as after the printer choice: the same two lines
    EXPECT_EQ(janela.texto("txtExtenso1"), linhas.linha1);
}

TEST_F(Cheque, TheModelsYearDigitsAndTheStoredTexts)
{
    configuracoes.SaveSetting("Cheque", "Cidade", QStringLiteral("SÃO PAULO - SP"));
    configuracoes.SaveSetting("Cheque3", "chkAno", "1");
    configuracoes.SaveSetting("Cheque3", "Banco", "BANCO X");
    frmCheque janela(servicos, cheque);
    EXPECT_EQ(janela.texto("txtCidade"), QStringLiteral("SÃO PAULO - SP"));
    EXPECT_EQ(janela.cbModelo->itemText(3), QStringLiteral("BANCO X"));

    janela.cbModelo->setCurrentIndex(3);
    janela.cbModelo_Click();
    EXPECT_EQ(janela.texto("txtAno"), QStringLiteral("2025"));
    EXPECT_TRUE(janela.chkAno->isChecked());
    EXPECT_FALSE(janela.alterado());

    janela.chkAno->setChecked(false);
    EXPECT_EQ(janela.texto("txtAno"), QStringLiteral("25"));
    EXPECT_TRUE(janela.alterado());
}

TEST_F(Cheque, ThePayeeListFollowsWhatIsTyped)
{
    // A line no payee's name can be (a file damaged or pasted into) is no entry.
    gravar("favorecidos.txt", "ANA\r\nJOAO\r\n" + QByteArray(1024 * 1024, 'X') + "\r\nJOSE\r\nmaria\r\n");
    configuracoes.SaveSetting("Cheque", "Favorecido", "ANTIGO");
    frmCheque janela(servicos, cheque);
    QLineEdit* favorecido = janela.txt("txtFavorecido");
    EXPECT_EQ(favorecido->text(), QString());  // two or more payees: the field starts empty
    ASSERT_EQ(janela.lstFavorecido->model()->rowCount(), 4);

    const std::pair<const char*, int> casos[] = {{"jo", 1}, {"jos", 2}, {"x", -1}, {"ma", -1}, {"", 0}};
    for (const auto& [digitado, linha] : casos) {
        favorecido->setText(QString::fromLatin1(digitado));
        EXPECT_EQ(janela.lstFavorecido->currentIndex().row(), linha) << digitado;
        EXPECT_EQ(favorecido->text(), QString::fromLatin1(digitado));  // the list has no focus: nothing copied
    }
}

// Enter and Tab go from the payee to the city, the arrow keys into the list: a payee the
// list does not hold stays as it was typed, and printing adds it to the file.
TEST_F(Cheque, APayeeTheListDoesNotHoldStaysAsTypedAndIsAddedByPrinting)
{
    gravar("favorecidos.txt", "ANA\r\nJOAO\r\nJOSE\r\n");
    frmCheque janela(servicos, cheque);
    janela.show();
    QApplication::setActiveWindow(&janela);
    ASSERT_TRUE(esperarAte([&janela] { return janela.isActiveWindow(); }));
    QLineEdit* favorecido = janela.txt("txtFavorecido");
    const QString novo = QStringLiteral("Padaria São João");
    const auto digitar = [&](Qt::Key tecla) {
        favorecido->setFocus();
        favorecido->clear();
        // Key by key with its text, accents too, which keyClicks cannot type.
        for (const QChar c : novo)
            QTest::sendKeyEvent(QTest::Click, favorecido, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        QTest::keyClick(favorecido, tecla);
    };
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab}) {
        digitar(tecla);
        EXPECT_EQ(favorecido->text(), novo) << tecla;
        EXPECT_EQ(QApplication::focusWidget(), janela.campo(campo::Cidade)) << tecla;
        EXPECT_FALSE(janela.lstFavorecido->isVisible()) << tecla;
    }

    digitar(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), janela.lstFavorecido);
    EXPECT_EQ(favorecido->text(), QStringLiteral("ANA"));
    QTest::keyClick(janela.lstFavorecido, Qt::Key_Down);
    EXPECT_EQ(favorecido->text(), QStringLiteral("JOAO"));
    QTest::keyClick(janela.lstFavorecido, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), janela.campo(campo::Cidade));
    EXPECT_EQ(favorecido->text(), QStringLiteral("JOAO"));

    digitar(Qt::Key_Tab);
    janela.cmdImprimir_Click();
    EXPECT_EQ(ler("favorecidos.txt"), "ANA\r\nJOAO\r\nJOSE\r\nPADARIA S\xC3\x83O JO\xC3\x83O\r\n");
}

// A file past what is listed is said once a run, above the open window, in the
// interface language.
TEST_F(Cheque, APayeeFileTooLargeToListWholeIsToldOnce)
{
    gravar("favorecidos.txt", "ANA\r\nJOAO\r\n");
    QFile arquivoGrande(arquivo("favorecidos.txt"));
    ASSERT_TRUE(arquivoGrande.resize(kMaiorListaFavorecidos - 2));  // a hole of zeros: one long line
    ASSERT_TRUE(arquivoGrande.open(QIODevice::Append));
    ASSERT_EQ(arquivoGrande.write("\r\nMARIA\r\n"), 9);  // MARIA starts at the limit
    arquivoGrande.close();
    globais().gIdioma = 2;
    for (int vez = 1; vez <= 2; ++vez) {
        frmCheque janela(servicos, cheque);
        EXPECT_EQ(janela.lstFavorecido->model()->rowCount(), 2);
        EXPECT_EQ(mensagens.vistas.size(), vez - 1u) << "not before the window is there";
        janela.show();
        janela.Form_Activate();
        QCoreApplication::sendPostedEvents();
    }
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(
        mensagens.vistas[0].texto,
        QStringLiteral("The payee file is larger than 64 MB; the list shows only the payees at its start:\r\n\r\n")
            + arquivo("favorecidos.txt")
            + QStringLiteral("\r\n\r\nTo see them all, edit the file and delete the lines that are not payees."));
    EXPECT_EQ(mensagens.vistas[0].flags, mb::Exclamation);
}

TEST_F(Cheque, OnePayeeInTheFileLeavesTheStoredPayee)
{
    gravar("favorecidos.txt", "ANA\r\n");
    configuracoes.SaveSetting("Cheque", "Favorecido", "ANTIGO");
    frmCheque janela(servicos, cheque);
    EXPECT_EQ(janela.texto("txtFavorecido"), QStringLiteral("ANTIGO"));
}

TEST_F(Cheque, ClosingSavesTheSizeAndAsksAboutAnUnsavedLayout)
{
    {
        frmCheque janela(servicos, cheque);
        janela.Check2->setChecked(true);
        janela.cmdSalvar->setEnabled(true);
        mensagens.depois = mb::No;
        janela.Unload();
    }
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].texto, QStringLiteral("Deseja salvar as alterações feitas em \"MODELO 1\" ?"));
    EXPECT_EQ(mensagens.vistas[0].flags, mb::YesNo | mb::Question | mb::DefaultButton2);
    EXPECT_EQ(setting("Cheque", "Width"), QStringLiteral("9990"));  // (658 + 8) x 15
    EXPECT_EQ(setting("Cheque", "Height"), QStringLiteral("4605"));
    EXPECT_EQ(setting("Cheque", "Banco"), QStringLiteral("(missing)"));

    // The size comes back, and the tool bar follows the height.
    configuracoes.SaveSetting("Cheque", "Height", "6105");
    frmCheque janela(servicos, cheque);
    EXPECT_EQ(janela.height(), 377);
    EXPECT_EQ(janela.cmdImprimir->y(), 377 + 30 - 62);
}

// A size no window could have, however it reached the settings, leaves the designed one;
// and the window cannot be made smaller than designed, so every size it saves loads again.
TEST_F(Cheque, AStoredSizeTheWindowCannotTakeLeavesTheDesignSize)
{
    const std::pair<const char*, const char*> casos[] = {
        {"-5", "0"}, {"4590", "9975"}, {"245776", "245776"}, {"1e9", "x"}};
    for (const auto& [altura, largura] : casos) {
        SCOPED_TRACE(altura);
        configuracoes.SaveSettings("Cheque", {{"Height", altura}, {"Width", largura}});
        frmCheque janela(servicos, cheque);
        EXPECT_EQ(janela.size(), QSize(658, 277));
        EXPECT_EQ(janela.cmdImprimir->y(), 277 + 30 - 62);
        EXPECT_EQ(janela.minimumSize(), QSize(658, 277));
    }
}

// A size stored on a bigger screen (a restored backup): the window opens whole on the
// screen of the window that opens it, never below its design size, and the stored size
// stays until the user resizes the window. The test "DocumentWindowOnTwoScreens" runs
// this on a 1280 x 1024 and an 800 x 600 screen.
TEST_F(Cheque, AWindowSizedOnABiggerScreenOpensWholeOnTheScreenItOpensOn)
{
    for (QScreen* tela : QGuiApplication::screens()) {
        const QRect livre = tela->availableGeometry();
        SCOPED_TRACE(livre.width());
        for (const bool redimensionada : {false, true}) {
            configuracoes.SaveSettings("Cheque", {{"Height", "245760"}, {"Width", "30000"}});
            QWidget abridor;
            abridor.setGeometry(QRect(livre.topLeft() + QPoint(40, 40), QSize(100, 100)));
            abridor.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&abridor));
            ASSERT_EQ(abridor.screen(), tela);
            frmCheque janela(servicos, cheque);
            QRect aberta;
            QTimer::singleShot(0, &janela, [&] {
                aberta = QRect(janela.pos(), janela.size() + QSize(8, 30));
                if (redimensionada)
                    janela.resize(janela.size() - QSize(0, 10));
                janela.Unload();
            });
            janela.Mostrar();
            EXPECT_TRUE(livre.contains(aberta)) << aberta.x() << "," << aberta.y() << " " << aberta.width() << "x"
                                                << aberta.height();
            EXPECT_GE(aberta.width(), 658 + 8);
            if (redimensionada) {
                EXPECT_EQ(setting("Cheque", "Height").toInt(), (aberta.height() - 10) * 15);
            } else {
                EXPECT_EQ(setting("Cheque", "Height"), QStringLiteral("245760"));
                EXPECT_EQ(setting("Cheque", "Width"), QStringLiteral("30000"));
            }
        }
    }
}

// Every way a restore can fail is one box in the interface language that names the file
// and says why; nothing is restored.
TEST_F(Cheque, ARestoreThatFailsSaysWhyInOneBox)
{
    const auto feito = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(feito);
    const QByteArray backup = *feito;
    const auto trocado = [&backup](const QByteArray& antes, const QByteArray& depois) {
        return QByteArray(backup).replace(antes, depois);
    };
    const QString raiz = QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\");
    const QString longo = QStringLiteral("junk") + QString(100, u'0');
    const QString fila = arquivo(QStringLiteral("fila.reg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fila).constData(), 0600), 0);
    traduzirDialogos(1);
    int avisosDoArmazem = 0;
    registro.onWriteFailed = [&avisosDoArmazem](const QString&, const QString&) { ++avisosDoArmazem; };

    const struct {
        const char* nome;
        QByteArray conteudo;
        std::function<QString(const QString&)> mensagem;
    } casos[] = {
        {"junk in a model", backup + "\r\n[" + raiz.toLatin1() + "Cheque5]\r\n\"" + longo.toLatin1() + "\"=\"AAAA\"\r\n",
         [&](const QString& f) { return fTexto(1140, f, longo.left(60) + QChar(0x2026), QStringLiteral("175")); }},
        {"a negative height", trocado("\"Height\"=\"4605\"", "\"Height\"=\"-5\""),
         [](const QString& f) {
             return fTexto(1141, f, QStringLiteral("4"),
                           QStringLiteral("\"Height\"=\"-5\"\r\n") +
                               fTexto(1142, QStringLiteral("4605"), QStringLiteral("245760")));
         }},
        {"a position as a dword", trocado("\"lblValorL\"=\"454\"", "\"lblValorL\"=dword:ffffffff"),
         [](const QString& f) {
             return fTexto(1141, f, QStringLiteral("8"),
                           QStringLiteral("\"lblValorL\"=dword:ffffffff\r\n") +
                               fTexto(1142, QStringLiteral("-176"), QStringLiteral("657")));
         }},
        {"a name holding a tab", trocado("\"Banco\"=\"Modelo 1\"", "\"Banco\"=\"A\tB\""),
         [](const QString& f) {
             return fTexto(1141, f, QStringLiteral("6"),
                           QStringLiteral("\"Banco\"=\"A\tB\"\r\n") + fTexto(1143, QStringLiteral("255")));
         }},
        {"a width", trocado("\"chkAno\"", "\"lblValorW\"=\"9\"\r\n\"chkAno\""),
         [](const QString& f) { return fTexto(1160, f, QStringLiteral("lblValorW"), QStringLiteral("20")); }},
        {"a name retyped in UTF-8", trocado("Modelo 1", "JOS\xC3\x89"),
         [](const QString& f) { return fTexto(1161, f, QStringLiteral("6")); }},
        {"REGEDIT4 alone", "REGEDIT4\r\n", [](const QString& f) { return fTexto(1145, f); }},
        {"models without their year", trocado("\r\n\"chkAno\"=\"0\"", ""),
         [&](const QString& f) { return fTexto(1144, f, raiz + QStringLiteral("Cheque"), QStringLiteral("chkAno")); }},
        {"UTF-16 without its mark", QByteArray("R\0E\0G\0E\0D\0I\0T\0", 14),
         [](const QString& f) { return fTexto(1125, f); }},
        {"a FIFO", {}, [](const QString& f) { return fTexto(1123, f, fTexto(1146)); }},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const QString caminho = caso.conteudo.isNull() ? fila : arquivo(QStringLiteral("caso.reg"));
        if (!caso.conteudo.isNull())
            gravar(QStringLiteral("caso.reg"), caso.conteudo);
        mensagens.vistas.clear();
        mensagens.respostas = {mb::Yes};
        AbrirBackupModelos(caminho, servicos, nullptr);
        ASSERT_EQ(mensagens.vistas.size(), 2u);
        EXPECT_EQ(mensagens.vistas[1].texto, caso.mensagem(caminho));
        EXPECT_EQ(mensagens.vistas[1].flags, mb::Critical);
        EXPECT_EQ(setting("Cheque", "Banco"), QStringLiteral("(missing)"));
    }
    EXPECT_TRUE(mensagens.vistas[1].texto.contains(QStringLiteral("não é de um arquivo comum")));

    // The store over its size limit: one box with the reason, not the store's own first.
    const QString bom = arquivo(QStringLiteral("BackupCheques.reg"));
    gravar(QStringLiteral("BackupCheques.reg"), backup);
    configuracoes.SaveSetting("Conf", "Grande", QString(kMaxRegistryFileBytes - 2048, u'x'));
    mensagens.vistas.clear();
    mensagens.respostas = {mb::Yes};
    AbrirBackupModelos(bom, servicos, nullptr);
    EXPECT_EQ(mensagens.textos(), (QStringList{fTexto(1121, bom), fTexto(1129, bom, fTexto(1138),
                                                                          registro.hiveFilePath(Hive::CurrentUser))}));
    EXPECT_EQ(avisosDoArmazem, 0);
    EXPECT_EQ(setting("Cheque", "Banco"), QStringLiteral("(missing)"));
    setSystemErrorWording({});
}

// The way back from the Backup button: a field moved and saved, the backup opened with
// the program, the field stands where it stood. Not while a document window is open,
// which would save its model over the restored one.
TEST_F(Cheque, TheBackupOpenedWithTheProgramBringsAMovedFieldBack)
{
    RegistroJanelas janelas;
    const QString backup = arquivo(QStringLiteral("BackupCheques.reg"));
    {
        frmCheque janela(servicos, cheque, &janelas);
        janela.show();
        arquivos.escolhido = backup;
        QTest::mouseClick(janela.cmdBackup, Qt::LeftButton);
        ASSERT_EQ(mensagens.textos(), QStringList{fTexto(1120, backup)});
        EXPECT_TRUE(mensagens.textos().first().contains(QStringLiteral("basta abrir este arquivo com o Tarvelo")));

        QWidget* valor = janela.campo("txtValor");
        janela.Check2->setChecked(true);
        arrastar(valor, {20, 5}, {30, 21});
        ASSERT_EQ(valor->pos(), QPoint(464, 26));
        entrada.respostas = {QStringLiteral("banco")};
        janela.cmdSalvar_Click();
        ASSERT_EQ(setting("Cheque", "lblValorL"), QStringLiteral("464"));

        mensagens.vistas.clear();
        AbrirBackupModelos(backup, servicos, &janelas);
        EXPECT_EQ(mensagens.textos(), QStringList{fTexto(1128)});
        EXPECT_EQ(setting("Cheque", "lblValorL"), QStringLiteral("464"));
        janela.Unload();
    }

    mensagens.vistas.clear();
    mensagens.respostas = {mb::No};
    AbrirBackupModelos(backup, servicos, &janelas);
    ASSERT_EQ(mensagens.vistas.size(), 1u);
    EXPECT_EQ(mensagens.vistas[0].texto, fTexto(1121, backup));
    EXPECT_EQ(mensagens.vistas[0].flags, mb::YesNo | mb::Question | mb::DefaultButton2);
    EXPECT_EQ(setting("Cheque", "lblValorL"), QStringLiteral("464")) << "answered No";

    mensagens.vistas.clear();
    mensagens.respostas = {mb::Yes};
    AbrirBackupModelos(backup, servicos, &janelas);
    EXPECT_EQ(mensagens.textos(), (QStringList{fTexto(1121, backup), fTexto(1122, backup)}));
    EXPECT_EQ(mensagens.vistas.back().flags, mb::Information);
    frmCheque reaberta(servicos, cheque, &janelas);
    EXPECT_EQ(reaberta.campo("txtValor")->pos(), QPoint(454, 10));
    EXPECT_EQ(reaberta.cbModelo->itemText(0), QStringLiteral("Modelo 1"));
}

}  // namespace
