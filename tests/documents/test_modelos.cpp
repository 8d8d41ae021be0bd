#include "documents/backupcheques.h"
#include "documents/modelos.h"

#include "platform/ansi.h"
#include "platform/fileio.h"
#include "platform/regedit.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

using namespace tarvelo;

namespace {

class Modelos : public ::testing::Test {
protected:
    QString gravar(const QString& nome, const QByteArray& bytes) const
    {
        const QString caminho = pasta.filePath(nome);
        QFile f(caminho);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return caminho;
    }
    QByteArray hive() const
    {
        QFile f(registro.hiveFilePath(Hive::CurrentUser));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir pasta;
    Registry registro{pasta.filePath(QStringLiteral("registry"))};
    SettingsStore configuracoes{registro};
};

const QByteArray kRaiz = "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\";

TEST_F(Modelos, SectionsAndNamesPerIndex)
{
    EXPECT_EQ(SecaoModelo(Documento::Cheque, 0), QStringLiteral("Cheque"));
    EXPECT_EQ(SecaoModelo(Documento::Cheque, 8), QStringLiteral("Cheque8"));
    EXPECT_EQ(SecaoModelo(Documento::Promissoria, 3), QStringLiteral("Promissoria3"));
    configuracoes.SaveSetting("Promissoria4", "Modelo", " BANCO X ");
    const QStringList nomes = NomesModelos(configuracoes, Documento::Promissoria);
    ASSERT_EQ(nomes.size(), 9);
    EXPECT_EQ(nomes.first(), QStringLiteral("Modelo 1"));
    EXPECT_EQ(nomes[4], QStringLiteral(" BANCO X "));
    EXPECT_EQ(nomes.last(), QStringLiteral("Modelo 9"));
}

TEST_F(Modelos, EachModelSavesAndLoadsBack)
{
    for (Documento d : {Documento::Cheque, Documento::Promissoria}) {
        for (int i = 0; i < kModelos; ++i) {
            Leiaute guardado = LeiautePadrao(d);
            for (auto& p : guardado) {
                p.left += i + 1;
                p.top -= 2 * i;
                p.width += 3;
            }
            ASSERT_TRUE(configuracoes.SaveSettings(SecaoModelo(d, i), ValoresModelo(d, "M", guardado, i % 2)));
            Leiaute lido = LeiautePadrao(d);
            std::optional<bool> ano;
            CarregarModelo(configuracoes, d, i, lido, &ano);
            EXPECT_EQ(lido.keys(), guardado.keys());
            for (auto it = guardado.cbegin(); it != guardado.cend(); ++it) {
                EXPECT_EQ(lido[it.key()].left, it->left) << it.key().toStdString() << " " << i;
                EXPECT_EQ(lido[it.key()].top, it->top) << it.key().toStdString() << " " << i;
                EXPECT_EQ(lido[it.key()].width, it->width) << it.key().toStdString() << " " << i;
            }
            if (d == Documento::Cheque) {
                EXPECT_EQ(ano, std::optional<bool>(i % 2));
            }
        }
    }
}

TEST_F(Modelos, RowFollowersTakeTheLeadersTopAndBadNumbersKeepTheField)
{
    configuracoes.SaveSetting("Cheque2", "txtCidadeT", "130");
    configuracoes.SaveSetting("Cheque2", "lblValorL", "12,6");  // saved under another locale
    configuracoes.SaveSetting("Cheque2", "lblValorT", "x");
    configuracoes.SaveSetting("Cheque2", "chkAno", "?");
    // Numbers no window can use: a field beyond any screen, one with no width.
    configuracoes.SaveSettings("Cheque2", {{"lblExtenso1L", "-20000"}, {"lblExtenso1T", "16385"}, {"lblExtenso1W", "0"}});
    Leiaute leiaute = LeiautePadrao(Documento::Cheque);
    leiaute["txtValor"].top = 77;
    const PosicaoCampo extenso = leiaute["txtExtenso1"];
    std::optional<bool> ano = true;
    CarregarModelo(configuracoes, Documento::Cheque, 2, leiaute, &ano);
    EXPECT_EQ(leiaute[QStringLiteral("txtMês")].top, 130);
    EXPECT_EQ(leiaute["txtAno"].top, 130);
    EXPECT_EQ(leiaute["txtValor"].left, 13);
    EXPECT_EQ(leiaute["txtValor"].top, 77);
    EXPECT_EQ(leiaute["txtExtenso1"].left, extenso.left);
    EXPECT_EQ(leiaute["txtExtenso1"].top, extenso.top);
    EXPECT_EQ(leiaute["txtExtenso1"].width, extenso.width);
    EXPECT_FALSE(ano);

    // The stored form: plain integers, no Top for the followers, the widths last.
    const auto valores = ValoresModelo(Documento::Cheque, "B", LeiautePadrao(Documento::Cheque), false);
    EXPECT_EQ(valores.first(), std::make_pair(QStringLiteral("Banco"), QStringLiteral("B")));
    EXPECT_EQ(valores[1], std::make_pair(QStringLiteral("lblValorT"), QStringLiteral("10")));
    EXPECT_EQ(valores.last(), std::make_pair(QStringLiteral("txtReservaW"), QStringLiteral("97")));
    EXPECT_EQ(valores.size(), 1 + 6 * 2 + 3 + 1 + 9);
}

TEST_F(Modelos, TheBackupOfAFreshStoreRestoresTheNineModels)
{
    const auto texto = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(texto);
    const QList<QByteArray> linhas = texto->split('\n');
    EXPECT_EQ(linhas.size(), 173);  // 172 lines, each ended by CR LF
    EXPECT_EQ(linhas.first(), "REGEDIT4\r");
    EXPECT_EQ(linhas[2], "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque]\r");
    EXPECT_EQ(linhas[3], "\"Height\"=\"4605\"\r");
    EXPECT_EQ(linhas[5], "\"Banco\"=\"Modelo 1\"\r");
    EXPECT_EQ(linhas[17], "\"lblM\xEAsL\"=\"480\"\r");
    EXPECT_EQ(linhas[154], "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque8]\r");
    EXPECT_TRUE(texto->endsWith("\"chkAno\"=\"0\"\r\n"));
    EXPECT_FALSE(texto->endsWith("\r\n\r\n"));

    QTemporaryDir outra;
    Registry vazio(outra.filePath(QStringLiteral("registry")));
    QString erro;
    ASSERT_TRUE(importRegedit4(vazio, *texto, &erro)) << erro.toStdString();
    SettingsStore restaurado(vazio);
    EXPECT_EQ(NomesModelos(restaurado, Documento::Cheque), NomesModelos(configuracoes, Documento::Cheque));
    EXPECT_EQ(restaurado.GetSetting("Cheque8", "lblAnoL"), QStringLiteral("580"));
}

TEST_F(Modelos, TheBackupEscapesNamesAndKeepsToTheCodePage)
{
    configuracoes.SaveSetting("Cheque1", "Banco", QStringLiteral("BANCO \"X\" C:\\ \u20ac \u4e2d"));
    configuracoes.SaveSetting("Cheque1", "lblValorL", "500");
    const auto texto = TextoBackupCheques(configuracoes, QSize(1, 2));
    ASSERT_TRUE(texto);
    EXPECT_TRUE(texto->contains("\"Banco\"=\"BANCO \\\"X\\\" C:\\\\ \x80 ?\"\r\n"));

    QTemporaryDir outra;
    Registry vazio(outra.filePath(QStringLiteral("registry")));
    QString erro;
    ASSERT_TRUE(importRegedit4(vazio, *texto, &erro)) << erro.toStdString();
    SettingsStore restaurado(vazio);
    EXPECT_EQ(restaurado.GetSetting("Cheque1", "Banco"), QStringLiteral("BANCO \"X\" C:\\ \u20ac ?"));
    EXPECT_EQ(restaurado.GetSetting("Cheque1", "lblValorL"), QStringLiteral("500"));
}

// A note section as a hand-made file holds it: the name and every field's Top and Left.
QByteArray secaoNota(const QByteArray& secao)
{
    QByteArray texto = "\r\n" + kRaiz + secao + "]\r\n\"Modelo\"=\"NOTA\"\r\n";
    for (const CampoModelo& c : CamposModelo(Documento::Promissoria)) {
        if (!c.chaveTop.isEmpty())
            texto += "\"" + toAnsi(c.chaveTop) + "\"=\"" + QByteArray::number(c.top + 1) + "\"\r\n";
        texto += "\"" + toAnsi(c.chaveLeft) + "\"=\"" + QByteArray::number(c.left + 1) + "\"\r\n";
    }
    return texto;
}

QByteArray trocar(QByteArray texto, const QByteArray& antes, const QByteArray& depois)
{
    const qsizetype onde = texto.indexOf(antes);
    EXPECT_GE(onde, 0) << antes.constData();
    return texto.replace(onde, antes.size(), depois);
}

// The cheque window's backup and a note model written by hand, in any case of the names,
// replace the models they hold; the values a backup leaves out, and the models it does
// not hold, stay.
TEST_F(Modelos, ARestoreReplacesTheModelsItHoldsAndLeavesTheRest)
{
    configuracoes.SaveSetting("Cheque3", "lblValorL", "500");
    configuracoes.SaveSetting("Conf", "Idioma", "2");
    const auto backup = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(backup);
    const QString arquivo = gravar("BackupCheques.reg", *backup + secaoNota("promissoria8"));
    configuracoes.SaveSettings("Cheque3", {{"lblValorL", "20"}, {"lblValorW", "300"}, {"txtReservaL", "50"}});
    configuracoes.SaveSetting("Promissoria2", "Modelo", "OUTRA");

    const RestauracaoModelos r = RestaurarBackupModelos(registro, arquivo);
    EXPECT_EQ(r.resultado, RestauracaoModelos::Resultado::Restaurado);
    EXPECT_EQ(configuracoes.GetSetting("Cheque3", "lblValorL"), QStringLiteral("500"));
    EXPECT_EQ(configuracoes.GetSetting("Promissoria8", "Modelo"), QStringLiteral("NOTA"));
    EXPECT_EQ(configuracoes.GetSetting("Promissoria8", "txtReservaL"), QStringLiteral("5"));
    EXPECT_EQ(configuracoes.GetSetting("Cheque3", "lblValorW"), QStringLiteral("300"));
    EXPECT_EQ(configuracoes.GetSetting("Cheque3", "txtReservaL"), QStringLiteral("50"));
    EXPECT_EQ(configuracoes.GetSetting("Promissoria2", "Modelo"), QStringLiteral("OUTRA"));
    EXPECT_EQ(configuracoes.GetSetting("Conf", "Idioma"), QStringLiteral("2"));
}

// A file is taken whole or not at all: a key, a value name or a value the models do not
// have, a model the file holds only in part, or a file that holds no model at all.
TEST_F(Modelos, ARestoreRefusesAnyFileItCannotTakeWholeAndChangesNothing)
{
    const auto backup = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(backup);
    configuracoes.SaveSetting("Cheque", "lblValorL", "20");
    const QByteArray antes = hive();
    const QString cheque = QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque");
    QByteArray lixo = *backup + "\r\n" + kRaiz + "Cheque5]\r\n";
    for (int i = 1; i <= 3; ++i)
        lixo += "\"junk00000" + QByteArray::number(i) + "\"=\"" + QByteArray(40, 'A') + "\"\r\n";

    using R = RestauracaoModelos::Resultado;
    const struct {
        const char* nome;
        QByteArray conteudo;
        R resultado;
        int linha;
        QString chave, valor, texto;
    } casos[] = {
        {"another section", *backup + "\r\n" + kRaiz + "Conf]\r\n\"Idioma\"=\"1\"\r\n", R::ChaveAlheia, 174,
         QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Conf"), {}, {}},
        {"a tenth model", "REGEDIT4\r\n" + kRaiz + "Cheque9]\r\n", R::ChaveAlheia, 2, cheque + "9", {}, {}},
        {"below a section", "REGEDIT4\r\n" + kRaiz + "Cheque\\Sub]\r\n", R::ChaveAlheia, 2, cheque + "\\Sub", {}, {}},
        {"the start-up key", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
                             "\"Tarvelo\"=\"x\"\r\n", R::ChaveAlheia, 2,
         QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"), {}, {}},
        {"another hive", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\TQ\\Cheque]\r\n",
         R::ChaveAlheia, 2, QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\TQ\\Cheque"), {},
         {}},
        {"values of junk in a model", lixo, R::ValorAlheio, 175, {}, QStringLiteral("junk000001"), {}},
        {"a width", trocar(*backup, "\"chkAno\"", "\"lblValorW\"=\"9\"\r\n\"chkAno\""), R::ValorForaDoBackup, 20,
         {}, QStringLiteral("lblValorW"), {}},
        {"the cheque's reserve field", *backup + "\"txtReservaT\"=\"9\"\r\n", R::ValorForaDoBackup, 173, {},
         QStringLiteral("txtReservaT"), {}},
        {"a note's width", secaoNota("Promissoria").prepend("REGEDIT4\r\n") + "\"txtEndere\xE7oW\"=\"9\"\r\n",
         R::ValorForaDoBackup, 34, {}, QStringLiteral("txtEndereçoW"), {}},
        {"a window size in a note model", secaoNota("Promissoria").prepend("REGEDIT4\r\n") + "\"Height\"=\"5310\"\r\n",
         R::ValorAlheio, 34, {}, QStringLiteral("Height"), {}},
        {"the default value", "REGEDIT4\r\n" + kRaiz + "Cheque1]\r\n@=\"x\"\r\n", R::ValorAlheio, 3, {},
         QStringLiteral("@"), {}},
        // The value's line is quoted as the file writes it.
        {"a negative height", trocar(*backup, "\"Height\"=\"4605\"", "\"Height\"=\"-5\""), R::ValorImpossivel, 4, {},
         QStringLiteral("Height"), QStringLiteral("\"Height\"=\"-5\"")},
        {"no width", trocar(*backup, "\"Width\"=\"9990\"", "\"Width\"=\"0\""), R::ValorImpossivel, 5, {},
         QStringLiteral("Width"), QStringLiteral("\"Width\"=\"0\"")},
        {"a window wider than any screen", trocar(*backup, "\"Width\"=\"9990\"", "\"Width\"=\"245761\""),
         R::ValorImpossivel, 5, {}, QStringLiteral("Width"), QStringLiteral("\"Width\"=\"245761\"")},
        {"a position with decimals", trocar(*backup, "\"lblValorL\"=\"454\"", " \"lblValorL\" = \"454,5\" "),
         R::ValorImpossivel, 8, {}, QStringLiteral("lblValorL"), QStringLiteral("\"lblValorL\" = \"454,5\"")},
        {"a position as a dword", trocar(*backup, "\"lblValorL\"=\"454\"", "\"lblValorL\"=dword:00004001"),
         R::ValorImpossivel, 8, {}, QStringLiteral("lblValorL"), QStringLiteral("\"lblValorL\"=dword:00004001")},
        {"a field far off", trocar(*backup, "\"lblValorT\"=\"10\"", "\"lblValorT\"=\"-16385\""), R::ValorImpossivel,
         7, {}, QStringLiteral("lblValorT"), QStringLiteral("\"lblValorT\"=\"-16385\"")},
        {"a field right of the form", trocar(*backup, "\"lblValorL\"=\"454\"", "\"lblValorL\"=\"658\""),
         R::ValorImpossivel, 8, {}, QStringLiteral("lblValorL"), QStringLiteral("\"lblValorL\"=\"658\"")},
        {"a field above the form", trocar(*backup, "\"lblValorT\"=\"10\"", "\"lblValorT\"=\"-17\""),
         R::ValorImpossivel, 7, {}, QStringLiteral("lblValorT"), QStringLiteral("\"lblValorT\"=\"-17\"")},
        {"a field below the form, in a taller window", trocar(*backup, "\"txtCidadeT\"=\"112\"",
                                                                "\"txtCidadeT\"=\"16383\""),
         R::ValorImpossivel, 15, {}, QStringLiteral("txtCidadeT"), QStringLiteral("\"txtCidadeT\"=\"16383\"")},
        {"a field its width left of the form", trocar(*backup, "\"lblDiaL\"=\"444\"", "\"lblDiaL\"=\"-25\""),
         R::ValorImpossivel, 17, {}, QStringLiteral("lblDiaL"), QStringLiteral("\"lblDiaL\"=\"-25\"")},
        {"a note field right of the form",
         trocar(secaoNota("Promissoria").prepend("REGEDIT4\r\n"), "\"txtReservaL\"=\"5\"", "\"txtReservaL\"=\"796\""),
         R::ValorImpossivel, 33, {}, QStringLiteral("txtReservaL"), QStringLiteral("\"txtReservaL\"=\"796\"")},
        {"a year of three digits", trocar(*backup, "\"chkAno\"=\"0\"", "\"chkAno\"=\"2\""), R::ValorImpossivel, 20,
         {}, QStringLiteral("chkAno"), QStringLiteral("\"chkAno\"=\"2\"")},
        {"a name of blanks", trocar(*backup, "\"Banco\"=\"Modelo 1\"", "\"Banco\"=\"   \""), R::ValorImpossivel, 6,
         {}, QStringLiteral("Banco"), QStringLiteral("\"Banco\"=\"   \"")},
        {"a name too long", trocar(*backup, "\"Banco\"=\"Modelo 1\"", "\"Banco\"=\"" + QByteArray(256, 'B') + "\""),
         R::ValorImpossivel, 6, {}, QStringLiteral("Banco"), "\"Banco\"=\"" + QString(256, u'B') + u'"'},
        {"a name holding a tab", trocar(*backup, "\"Banco\"=\"Modelo 1\"", "\"Banco\"=\"BANCO\tX\""),
         R::ValorImpossivel, 6, {}, QStringLiteral("Banco"), QStringLiteral("\"Banco\"=\"BANCO\tX\"")},
        {"a name holding a NUL", trocar(*backup, "\"Banco\"=\"Modelo 1\"", QByteArray("\"Banco\"=\"X\0\"", 12)),
         R::ValorImpossivel, 6, {}, QStringLiteral("Banco"), QString::fromLatin1("\"Banco\"=\"X\0\"", 12)},
        {"a model without its year", trocar(*backup, "\r\n\"chkAno\"=\"0\"", ""), R::ModeloIncompleto, 0, cheque, 
         QStringLiteral("chkAno"), {}},
        {"a note model with its name alone", "REGEDIT4\r\n" + kRaiz + "Promissoria3]\r\n\"Modelo\"=\"X\"\r\n",
         R::ModeloIncompleto, 0, QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Promissoria3"),
         QStringLiteral("txtDiaT"), {}},
        {"REGEDIT4 alone", "REGEDIT4\r\n", R::SemModelo, 0, {}, {}, {}},
        {"comments alone", "REGEDIT4\r\n\r\n; nothing here\r\n", R::SemModelo, 0, {}, {}, {}},
        {"a line that does not read", *backup + "\"Banco\"=hex:41\r\n", R::Danificado, 173, {}, {}, {}},
        {"no script", "Banco=X\r\n", R::Danificado, 1, {}, {}, {}},
        {"binary", QByteArray("REGEDIT4\r\n\0\x01\x02\xff", 14), R::Danificado, 2, {}, {}, {}},
        {"a name retyped in UTF-8", trocar(*backup, "Modelo 3", "JOS\xC3\x89 S\xC3\x83O PAULO"), R::CodificacaoMista,
         44, {}, {}, {}},
        {"a name retyped in Windows-1252 in UTF-8", trocar(fromAnsi(*backup).toUtf8(), "Modelo 3", "JOS\xC9"),
         R::CodificacaoMista, 44, {}, {}, {}},
        {"a name Windows-1252 cannot hold", trocar(fromAnsi(*backup).toUtf8(), "Modelo 3", "\xE2\x9C\x93"),
         R::Danificado, 44, {}, {}, {}},
        {"UTF-16", QByteArray("\xff\xfeW\0i\0n\0", 8), R::Unicode, 0, {}, {}, {}},
        {"UTF-16 without its mark", QByteArray("R\0E\0G\0E\0D\0I\0T\0", 14), R::Unicode, 0, {}, {}, {}},
        {"big-endian UTF-16 without its mark", QByteArray("\0R\0E\0G\0E\0D\0I\0T", 14), R::Unicode, 0, {}, {}, {}},
        {"over 1 MB", "REGEDIT4\r\n" + QByteArray(kMaxRegistryFileBytes, ';'), R::Grande, 0, {}, {}, {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const RestauracaoModelos recusa = RestaurarBackupModelos(registro, gravar("caso.reg", caso.conteudo));
        EXPECT_EQ(recusa.resultado, caso.resultado);
        EXPECT_EQ(recusa.linha, caso.linha);
        EXPECT_EQ(recusa.chave, caso.chave);
        EXPECT_EQ(recusa.valor, caso.valor);
        EXPECT_EQ(recusa.texto, caso.texto);
        EXPECT_EQ(hive(), antes) << "nothing changes";
    }

    ASSERT_EQ(::mkfifo(QFile::encodeName(pasta.filePath("fifo.reg")).constData(), 0600), 0);
    const struct {
        QString arquivo;
        int motivo;
    } ilegiveis[] = {
        {pasta.filePath("none.reg"), ENOENT}, {pasta.path(), EISDIR}, {pasta.filePath("fifo.reg"), kNotRegularFile}};
    for (const auto& [arquivo, motivo] : ilegiveis) {
        const RestauracaoModelos r = RestaurarBackupModelos(registro, arquivo);
        EXPECT_EQ(r.resultado, R::Ilegivel);
        EXPECT_EQ(r.motivo, systemErrorText(motivo)) << arquivo.toStdString();
    }
    EXPECT_EQ(hive(), antes);
}

// A backup made with the window enlarged on a bigger screen is taken while every field
// keeps at least a pixel inside the form as designed, at the width the model keeps.
TEST_F(Modelos, AFieldFromABiggerScreenIsTakenWhilePartOfItStaysOnTheForm)
{
    configuracoes.SaveSetting("Cheque2", "lblValorW", "300");
    auto backup = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(backup);
    const QByteArray secao = kRaiz + "Cheque2]\r\n";
    const qsizetype inicio = backup->indexOf(secao);
    ASSERT_GE(inicio, 0);
    const struct {
        QByteArray antes, depois;
    } bordas[] = {
        {"\"lblValorT\"=\"10\"", "\"lblValorT\"=\"-16\""},       {"\"lblValorL\"=\"454\"", "\"lblValorL\"=\"-299\""},
        {"\"lblExtenso1T\"=\"38\"", "\"lblExtenso1T\"=\"276\""}, {"\"lblAnoL\"=\"580\"", "\"lblAnoL\"=\"657\""},
        {"\"Height\"=\"4605\"", "\"Height\"=\"245760\""},
    };
    for (const auto& [antes, depois] : bordas)
        backup->replace(backup->indexOf(antes, inicio), antes.size(), depois);

    ASSERT_EQ(RestaurarBackupModelos(registro, gravar("BackupCheques.reg", *backup)).resultado,
              RestauracaoModelos::Resultado::Restaurado);
    EXPECT_EQ(configuracoes.GetSetting("Cheque2", "lblValorT"), QStringLiteral("-16"));
    EXPECT_EQ(configuracoes.GetSetting("Cheque2", "lblValorL"), QStringLiteral("-299"));
    EXPECT_EQ(configuracoes.GetSetting("Cheque2", "lblExtenso1T"), QStringLiteral("276"));
    EXPECT_EQ(configuracoes.GetSetting("Cheque2", "lblAnoL"), QStringLiteral("657"));
    EXPECT_EQ(configuracoes.GetSetting("Cheque2", "Height"), QStringLiteral("245760"));

    // The width the model keeps counts: the same Left leaves a narrower field off the form.
    configuracoes.SaveSetting("Cheque2", "lblValorW", "299");
    const RestauracaoModelos recusa = RestaurarBackupModelos(registro, gravar("BackupCheques.reg", *backup));
    EXPECT_EQ(recusa.resultado, RestauracaoModelos::Resultado::ValorImpossivel);
    EXPECT_EQ(recusa.valor, QStringLiteral("lblValorL"));
    EXPECT_EQ(recusa.limite.minimo, -298);
    EXPECT_EQ(recusa.limite.maximo, 657);
}

// The backup writes each value as the window uses it, so that a restore takes every
// backup the program writes: a number from another locale rounded, a value the window
// cannot use as the default it falls back to, a name cut to its longest and to one line.
TEST_F(Modelos, TheBackupWritesWhatTheWindowUsesAndItsRestoreTakesItBack)
{
    configuracoes.SaveSettings("Cheque", {{"Height", "-5"}, {"Width", "12000"}, {"lblValorL", "12,6"},
                                          {"lblValorT", "99999"}, {"chkAno", "5"}, {"Banco", QString(300, u'b')},
                                          {"lblExtenso1L", "5000"}});
    configuracoes.SaveSettings("Cheque1", {{"Banco", "  "}, {"txtCidadeT", "x"}, {"chkAno", "?"}});
    configuracoes.SaveSetting("Cheque2", "Banco", "BANCO X\r\n");  // a spreadsheet cell pasted
    configuracoes.SaveSetting("Cheque3", "Banco", QStringLiteral("A\tB") + QChar(0) + u'C');
    // Its Windows-1252 bytes are UTF-8 ("Ʌ"): it would come back as another name.
    configuracoes.SaveSetting("Cheque4", "Banco", QStringLiteral("CAF\u00c9\u2026"));
    const auto texto = TextoBackupCheques(configuracoes, QSize(1, 1));
    ASSERT_TRUE(texto);
    const QList<QByteArray> linhas = texto->split('\n');
    EXPECT_EQ(linhas[3], "\"Height\"=\"4605\"\r");
    EXPECT_EQ(linhas[4], "\"Width\"=\"12000\"\r");
    EXPECT_EQ(linhas[5], "\"Banco\"=\"" + QByteArray(255, 'b') + "\"\r");
    EXPECT_EQ(linhas[6], "\"lblValorT\"=\"10\"\r");
    EXPECT_EQ(linhas[7], "\"lblValorL\"=\"13\"\r");
    EXPECT_EQ(linhas[9], "\"lblExtenso1L\"=\"68\"\r") << "a field wholly off the form as designed";
    EXPECT_EQ(linhas[19], "\"chkAno\"=\"1\"\r");
    EXPECT_EQ(linhas[22], "\"Height\"=\"4605\"\r") << "the window's size, never below its design";
    EXPECT_EQ(linhas[24], "\"Banco\"=\"Modelo 2\"\r");
    EXPECT_EQ(linhas[33], "\"txtCidadeT\"=\"112\"\r");
    EXPECT_EQ(linhas[38], "\"chkAno\"=\"0\"\r");
    EXPECT_EQ(linhas[43], "\"Banco\"=\"BANCO X\"\r");
    EXPECT_EQ(linhas[62], "\"Banco\"=\"ABC\"\r");
    EXPECT_EQ(linhas[81], "\"Banco\"=\"Modelo 5\"\r");

    QTemporaryDir outra;
    Registry vazio(outra.filePath(QStringLiteral("registry")));
    EXPECT_EQ(RestaurarBackupModelos(vazio, gravar("BackupCheques.reg", *texto)).resultado,
              RestauracaoModelos::Resultado::Restaurado);
}

// A backup a Linux editor saved whole in UTF-8, with its byte order mark or without,
// restores as the one the program wrote.
TEST_F(Modelos, ABackupSavedInUtf8RestoresAsTheOneWrittenInWindows1252)
{
    configuracoes.SaveSetting("Cheque2", "Banco", QStringLiteral("JOSÉ SÃO PAULO"));
    configuracoes.SaveSetting("Cheque2", QStringLiteral("lblMêsL"), "300");
    const auto backup = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(backup);
    const QByteArray utf8 = fromAnsi(*backup).toUtf8();
    for (const QByteArray& salvo : {utf8, "\xEF\xBB\xBF" + utf8}) {
        QTemporaryDir outra;
        Registry vazio(outra.filePath(QStringLiteral("registry")));
        const RestauracaoModelos r = RestaurarBackupModelos(vazio, gravar("BackupCheques.reg", salvo));
        EXPECT_EQ(r.resultado, RestauracaoModelos::Resultado::Restaurado) << r.linha;
        SettingsStore restaurado(vazio);
        EXPECT_EQ(NomesModelos(restaurado, Documento::Cheque), NomesModelos(configuracoes, Documento::Cheque));
        EXPECT_EQ(restaurado.GetSetting("Cheque2", QStringLiteral("lblMêsL")), QStringLiteral("300"));
    }
}

// When the store cannot take the models, the reason comes back to the caller, who tells
// the user once; the store's own message is not raised.
TEST_F(Modelos, AStoreThatCannotTakeTheModelsGivesItsReasonAndKeepsWhatItHad)
{
    const auto backup = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(backup);
    const QString arquivo = gravar("BackupCheques.reg", *backup);
    // The store close to its size limit: the models would take it past.
    configuracoes.SaveSetting("Conf", "Grande", QString(kMaxRegistryFileBytes - 2048, u'x'));
    configuracoes.SaveSetting("Cheque", "lblValorL", "20");
    const QByteArray antes = hive();
    int avisos = 0;
    registro.onWriteFailed = [&avisos](const QString&, const QString&) { ++avisos; };

    const RestauracaoModelos r = RestaurarBackupModelos(registro, arquivo);
    EXPECT_EQ(r.resultado, RestauracaoModelos::Resultado::NaoGravado);
    EXPECT_EQ(r.motivo, systemErrorText(EFBIG));
    EXPECT_EQ(avisos, 0);
    EXPECT_EQ(hive(), antes);
    EXPECT_EQ(configuracoes.GetSetting("Cheque", "lblValorL"), QStringLiteral("20"));

    // Any other write still tells the store's message.
    EXPECT_FALSE(configuracoes.SaveSetting("Cheque", "lblValorL", QString(8192, u'9')));
    EXPECT_EQ(avisos, 1);
}

}  // namespace
