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

TEST_F(Favorecidos, LinesAreReadWithAnyLineEndAndInTheCodePage)
{
    EXPECT_TRUE(LerFavorecidos(arquivo).isEmpty());
    gravar("ANA\r\nJO\xC3O\nJOSE\rmaria\r\n");
    EXPECT_EQ(LerFavorecidos(arquivo), QStringList({"ANA", QStringLiteral("JOÃO"), "JOSE", "maria"}));
}

TEST_F(Favorecidos, ALineLongerThanAnyPayeeIsLeftOut)
{
    const QByteArray longest(kMaiorFavorecido, 'L');
    gravar("ANA\r\nJOAO\r\n" + longest + "\r\n" + QByteArray(kMaiorFavorecido + 1, 'Y') + "\nJOSE\r\n" +
           QByteArray(5 * 1024 * 1024, 'X'));
    EXPECT_EQ(LerFavorecidos(arquivo), QStringList({"ANA", "JOAO", QString::fromLatin1(longest), "JOSE"}));
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
    EXPECT_EQ(conteudo(), "JOS\xC9\r\n");
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSÉ")));
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("jos\u00e9")));  // another case is another payee
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSÉ ")));
    ASSERT_TRUE(AnexarFavorecido(arquivo, QString()));
    EXPECT_EQ(conteudo(), "JOS\xC9\r\njos\xE9\r\nJOS\xC9 \r\n");
}

TEST_F(Favorecidos, AFileWhoseLastLineHasNoLineEndGetsOneFirst)
{
    gravar("JOAO");
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOSE")));
    EXPECT_EQ(conteudo(), "JOAO\r\nJOSE\r\n");
    gravar("JOAO\n");
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("JOAO")));
    ASSERT_TRUE(AnexarFavorecido(arquivo, QStringLiteral("ANA")));
    EXPECT_EQ(conteudo(), "JOAO\nANA\r\n");
}

TEST_F(Favorecidos, AnUnwritableOrOddFileIsAFailureAndNeverWaitedOn)
{
    EXPECT_FALSE(AnexarFavorecido(pasta.filePath(QStringLiteral("missing/favorecidos.txt")), QStringLiteral("ANA")));

    ASSERT_EQ(mkfifo(QFile::encodeName(arquivo).constData(), 0600), 0);
    EXPECT_TRUE(LerFavorecidos(arquivo).isEmpty());
    EXPECT_FALSE(AnexarFavorecido(arquivo, QStringLiteral("ANA")));
}

}  // namespace
