#include "documents/backupcheques.h"
#include "documents/modelos.h"

#include "platform/regedit.h"
#include "platform/registry.h"
#include "platform/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
            if (d == Documento::Cheque)
                EXPECT_EQ(ano, std::optional<bool>(i % 2));
        }
    }
}

TEST_F(Modelos, RowFollowersTakeTheLeadersTopAndBadNumbersKeepTheField)
{
    configuracoes.SaveSetting("Cheque2", "txtCidadeT", "130");
    configuracoes.SaveSetting("Cheque2", "lblValorL", "12,6");  // saved under another locale
    configuracoes.SaveSetting("Cheque2", "lblValorT", "x");
    configuracoes.SaveSetting("Cheque2", "chkAno", "?");
    Leiaute leiaute = LeiautePadrao(Documento::Cheque);
    leiaute["txtValor"].top = 77;
    std::optional<bool> ano = true;
    CarregarModelo(configuracoes, Documento::Cheque, 2, leiaute, &ano);
    EXPECT_EQ(leiaute[QStringLiteral("txtMês")].top, 130);
    EXPECT_EQ(leiaute["txtAno"].top, 130);
    EXPECT_EQ(leiaute["txtValor"].left, 13);
    EXPECT_EQ(leiaute["txtValor"].top, 77);
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
    ASSERT_TRUE(importRegedit4(vazio, *texto, nullptr));
    SettingsStore restaurado(vazio);
    EXPECT_EQ(restaurado.GetSetting("Cheque1", "Banco"), QStringLiteral("BANCO \"X\" C:\\ \u20ac ?"));
    EXPECT_EQ(restaurado.GetSetting("Cheque1", "lblValorL"), QStringLiteral("500"));
}

// The cheque window's backup and a note model written by hand, in any case of the names,
// come back into the settings; every other key refuses the whole file.
TEST_F(Modelos, ARestoreTakesTheModelsSectionsAndNothingElse)
{
    configuracoes.SaveSetting("Cheque3", "lblValorL", "500");
    configuracoes.SaveSetting("Conf", "Idioma", "2");
    const auto backup = TextoBackupCheques(configuracoes, QSize(9990, 4605));
    ASSERT_TRUE(backup);
    const QString arquivo = gravar("BackupCheques.reg", *backup + "\r\n" + kRaiz + "promissoria8]\r\n\"Modelo\"=\"NOTA\"\r\n");
    configuracoes.SaveSetting("Cheque3", "lblValorL", "20");

    const RestauracaoModelos r = RestaurarBackupModelos(registro, arquivo);
    EXPECT_EQ(r.resultado, RestauracaoModelos::Resultado::Restaurado);
    EXPECT_EQ(configuracoes.GetSetting("Cheque3", "lblValorL"), QStringLiteral("500"));
    EXPECT_EQ(configuracoes.GetSetting("Promissoria8", "Modelo"), QStringLiteral("NOTA"));
    EXPECT_EQ(configuracoes.GetSetting("Conf", "Idioma"), QStringLiteral("2"));

    const QByteArray antes = hive();
    using R = RestauracaoModelos::Resultado;
    const struct {
        const char* nome;
        QByteArray conteudo;
        R resultado;
        int linha;
        const char* chave;
    } casos[] = {
        {"another section", *backup + "\r\n" + kRaiz + "Conf]\r\n\"Idioma\"=\"1\"\r\n", R::ChaveAlheia, 174,
         "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Conf"},
        {"a tenth model", "REGEDIT4\r\n" + kRaiz + "Cheque9]\r\n" + kRaiz + "Cheque]\r\n\"Banco\"=\"X\"\r\n", R::ChaveAlheia,
         2, "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque9"},
        {"below a section", "REGEDIT4\r\n" + kRaiz + "Cheque\\Sub]\r\n", R::ChaveAlheia, 2,
         "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque\\Sub"},
        {"the start-up key", "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
                             "\"Tarvelo\"=\"x\"\r\n", R::ChaveAlheia, 2,
         "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
        {"another hive", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\TQ\\Cheque]\r\n",
         R::ChaveAlheia, 2, "HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\TQ\\Cheque"},
        {"a line that does not read", *backup + "\"Banco\"=hex:41\r\n", R::Danificado, 173, ""},
        {"no script", "Banco=X\r\n", R::Danificado, 1, ""},
        {"binary", QByteArray("REGEDIT4\r\n\0\x01\x02\xff", 14), R::Danificado, 2, ""},
        {"UTF-16", QByteArray("\xff\xfeW\0i\0n\0", 8), R::Unicode, 0, ""},
        {"over 1 MB", "REGEDIT4\r\n" + QByteArray(kMaxRegistryFileBytes, ';'), R::Grande, 0, ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const RestauracaoModelos recusa = RestaurarBackupModelos(registro, gravar("caso.reg", caso.conteudo));
        EXPECT_EQ(recusa.resultado, caso.resultado);
        EXPECT_EQ(recusa.linha, caso.linha);
        EXPECT_EQ(recusa.chave, QString::fromLatin1(caso.chave));
        EXPECT_EQ(hive(), antes) << "nothing changes";
    }

    for (const QString& ilegivel : {pasta.filePath("none.reg"), pasta.path()}) {
        const RestauracaoModelos r2 = RestaurarBackupModelos(registro, ilegivel);
        EXPECT_EQ(r2.resultado, R::Ilegivel);
        EXPECT_FALSE(r2.motivo.isEmpty());
    }
    EXPECT_EQ(hive(), antes);
}

}  // namespace
