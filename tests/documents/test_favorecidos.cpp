#include "documents/favorecidos.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tarvelo;

namespace {

class Favorecidos : public ::testing::Test {
protected:
    void gravar(const QByteArray& bytes)
    {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray conteudo()
    {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    QTemporaryDir pasta;
    QString arquivo = pasta.filePath(QStringLiteral("favorecidos.txt"));
};

// A file a Linux editor wrote is UTF-8; one carried over from Windows is not.
TEST_F(Favorecidos, LinesAreReadWithAnyLineEndInTheFilesEncoding)
{
    EXPECT_TRUE(LerFavorecidos(arquivo).linhas().isEmpty());
    gravar("ANA\r\nJO\xC3O\nJOSE\rmaria\r\n");
    EXPECT_EQ(LerFavorecidos(arquivo).linhas(), QStringList({"ANA", QStringLiteral("JOÃO"), "JOSE", "maria"}));
    gravar("ANA COM\xC3\x89RCIO LTDA\r\nJO\xC3\x83O\r\n");
    EXPECT_EQ(LerFavorecidos(arquivo).linhas(),
              QStringList({QStringLiteral("ANA COMÉRCIO LTDA"), QStringLiteral("JOÃO")}));
}

TEST_F(Favorecidos, ALineLongerThanAnyPayeeIsLeftOut)
{
    const QByteArray longest(kMaiorFavorecido, 'L');
    gravar("ANA\r\nJOAO\r\n" + longest + "\r\n" + QByteArray(kMaiorFavorecido + 1, 'Y') + "\nJOSE\r\n" +
           QByteArray(5 * 1024 * 1024, 'X'));
    EXPECT_EQ(LerFavorecidos(arquivo).linhas(), QStringList({"ANA", "JOAO", QString::fromLatin1(longest), "JOSE"}));
}

// A first line of 5 MB used to fill all that was read of the file. Past the size that is
// listed, the payees are still the file's: printing for one adds no second line.
TEST_F(Favorecidos, TheWholeFileIsListedUpToItsLimitAndSearchedWholeBeforeAnAppend)
{
    gravar(QByteArray(5 * 1024 * 1024, 'X') + "\r\nANA\r\nJOAO\r\n");
    const QByteArray fim = "\r\nJOSE\r\nMARIA\r\n";  // MARIA starts at the limit
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(kMaiorListaFavorecidos - 8));  // a hole of zeros: one long line
    ASSERT_EQ(f.write(fim), fim.size());
    f.close();

    const ListaFavorecidos lista = LerFavorecidos(arquivo);
    EXPECT_EQ(lista.linhas(), QStringList({"ANA", "JOAO", "JOSE"}));
    EXPECT_TRUE(lista.cortada());

    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("MARIA")));
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("PEDRO")));
    EXPECT_TRUE(conteudo().endsWith(fim + "PEDRO\r\n"));
}

TEST_F(Favorecidos, TheSearchTakesTheFirstLineThatStartsWithTheTypedTextInCapitals)
{
    const QStringList lista{"ANA", "JOAO", "JOSE", "maria"};
    EXPECT_EQ(BuscarFavorecido(lista, "jo"), 1);
    EXPECT_EQ(BuscarFavorecido(lista, "jos"), 2);
    EXPECT_EQ(BuscarFavorecido(lista, "x"), -1);
    EXPECT_EQ(BuscarFavorecido(lista, "ma"), -1);  // a lower-case line is never selected
    EXPECT_EQ(BuscarFavorecido(lista, ""), 0);
    EXPECT_EQ(BuscarFavorecido({}, ""), -1);
}

TEST_F(Favorecidos, AppendingAddsANewPayeeOnceOnItsOwnLine)
{
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSÉ")));
    EXPECT_EQ(conteudo(), "JOS\xC3\x89\r\n");
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSÉ")));
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("jos\u00e9")));  // another case is another payee
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSÉ ")));
    ASSERT_TRUE(AnexarFavorecido(arquivo, QString()));
    EXPECT_EQ(conteudo(), "JOS\xC3\x89\r\njos\xC3\xA9\r\nJOS\xC3\x89 \r\n");
}

// The file keeps one encoding: a payee goes in as the lines before it are written, and
// one already there in either encoding is not added again.
TEST_F(Favorecidos, APayeeIsAddedInTheEncodingTheFileHas)
{
    struct Caso {
        QByteArray antes;
        QByteArray depois;
    };
    const Caso casos[] = {
        {"ANA\r\n", "ANA\r\nJOS\xC3\x89\r\n"},
        {"ANA COM\xC3\x89RCIO LTDA\r\n", "ANA COM\xC3\x89RCIO LTDA\r\nJOS\xC3\x89\r\n"},
        {"JO\xC3O\r\n", "JO\xC3O\r\nJOS\xC9\r\n"},
        {"ANA\r\nJOS\xC9\r\nJO\xC3O\r\n", "ANA\r\nJOS\xC9\r\nJO\xC3O\r\n"},
        {"\xEF\xBB\xBFJOS\xC3\x89\r\n", "\xEF\xBB\xBFJOS\xC3\x89\r\n"},
    };
    for (const Caso& caso : casos) {
        gravar(caso.antes);
        ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSÉ")));
        EXPECT_EQ(conteudo(), caso.depois) << caso.antes.toStdString();
    }
}

// A payee goes on a line of its own, ended as the file's lines are: a file an editor wrote
// with LF keeps LF.
TEST_F(Favorecidos, APayeeGoesOnALineOfItsOwnEndedAsTheFilesLinesAre)
{
    const struct {
        QByteArray antes;
        QByteArray depois;
    } casos[] = {
        {"JOAO", "JOAO\r\nJOSE\r\n"},
        {"JOAO\n", "JOAO\nJOSE\n"},
        {"JOAO\nANA", "JOAO\nANA\nJOSE\n"},
        {"JOAO\nJOSE", "JOAO\nJOSE"},
        {"JOAO\rANA\r", "JOAO\rANA\rJOSE\r"},
    };
    for (const auto& caso : casos) {
        gravar(caso.antes);
        ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSE")));
        ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSE")));
        EXPECT_EQ(conteudo(), caso.depois) << caso.antes.toStdString();
    }
}

// Written as "?", a payee the file's encoding cannot hold would be a line that never
// matches, added again at every print. A Windows-1252 file is left as it is, and printing
// goes on; a UTF-8 file holds any payee.
TEST_F(Favorecidos, APayeeTheFilesEncodingCannotHoldLeavesTheFileAsItIs)
{
    const struct {
        QByteArray antes;
        QString favorecido;
        QByteArray depois;
    } casos[] = {
        {"JO\xC3O\r\n", QStringLiteral("ŁUKASZ"), "JO\xC3O\r\n"},
        {"JO\xC3O\r\n", QStringLiteral("ANA 😀"), "JO\xC3O\r\n"},
        {"JO\xC3O\r\n", QStringLiteral("JOSÉ € LTDA"), "JO\xC3O\r\nJOS\xC9 \x80 LTDA\r\n"},
        {"ANA\r\n", QStringLiteral("ŁUKASZ"), "ANA\r\n\xC5\x81UKASZ\r\n"},
    };
    for (const auto& caso : casos) {
        gravar(caso.antes);
        for (int impressao = 0; impressao < 2; ++impressao)
            ASSERT_TRUE(AnexarFavorecido(arquivo, caso.favorecido));
        EXPECT_EQ(conteudo(), caso.depois) << caso.favorecido.toStdString();
    }
}

TEST_F(Favorecidos, AnUnwritableOrOddFileIsAFailureAndNeverWaitedOn)
{
    EXPECT_FALSE(AnexarFavorecido(pasta.filePath(QStringLiteral("missing/favorecidos.txt")), QStringLiteral("ANA")));

    ASSERT_EQ(mkfifo(QFile::encodeName(arquivo).constData(), 0600), 0);
    EXPECT_TRUE(LerFavorecidos(arquivo).linhas().isEmpty());
    EXPECT_FALSE(AnexarFavorecido(arquivo, QStringLiteral("ANA")));
}

}  // namespace
