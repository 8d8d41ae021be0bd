// Text files a user also opens in other programs: the encoding is decided on the whole
// file, lines come through whatever blocks the file is read in, and text is added in the
// file's own encoding.

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace tarvelo;

namespace {

constexpr auto Utf8 = TextEncoding::Utf8;
constexpr auto Windows1252 = TextEncoding::Windows1252;

TEST(TextEncoding, ValidUtf8IsUtf8AndAnythingElseWindows1252InWhateverBlocksItComes)
{
    struct Caso {
        QByteArray bytes;
        TextEncoding esperada;
    };
    const Caso casos[] = {
        {"", Utf8},
        {"ANA\r\nJOAO\r\n", Utf8},  // plain ASCII is both
        {"ANA COM\xC3\x89RCIO LTDA\r\n", Utf8},
        {"1234567\xC3\x89RCIO", Utf8},  // a character across eight ASCII bytes
        {"\xEF\xBB\xBFJOAO\r\n", Utf8},
        {"\xE2\x82\xAC 5 \xF0\x9F\x98\x80", Utf8},
        {"JOS\xC9\r\n", Windows1252},
        {"12345678COM\xC9RCIO", Windows1252},
        {"\xC0\xAF", Windows1252},          // overlong
        {"\xE0\x80\xAF", Windows1252},      // overlong
        {"\xED\xA0\x80", Windows1252},      // a surrogate
        {"\xF4\x90\x80\x80", Windows1252},  // past U+10FFFF
        {"\xF5\x80\x80\x80", Windows1252},
        {"\x80", Windows1252},
        {"COM\xC3", Windows1252},  // cut inside a character
    };
    for (const Caso& caso : casos) {
        const QByteArrayView bytes(caso.bytes);
        EXPECT_EQ(textEncoding(bytes), caso.esperada) << caso.bytes.toHex(' ').toStdString();
        for (qsizetype corte = 0; corte <= bytes.size(); ++corte) {
            TextEncodingCheck check;
            check.add(bytes.first(corte));
            check.add(bytes.sliced(corte));
            EXPECT_EQ(check.encoding(), caso.esperada) << caso.bytes.toHex(' ').toStdString() << " cut at " << corte;
        }
    }
}

// What survives a trip through Windows-1252, the one answer for the tape, the roll
// printer, the key codes and the model backup.
TEST(TextEncoding, TextIsHeldAsWindows1252HoldsItEachOtherCharacterOneQuestionMark)
{
    const struct {
        QString texto;
        QString guardado;
    } casos[] = {
        {QStringLiteral("a?b ×÷€é Ÿ"), QStringLiteral("a?b ×÷€é Ÿ")},
        {QStringLiteral("\u0081\u008D\u008F\u0090\u009D"), QStringLiteral("\u0081\u008D\u008F\u0090\u009D")},
        {QStringLiteral("\u0080ł"), QStringLiteral("??")},
        {QStringLiteral("a😀b"), QStringLiteral("a?b")},            // a surrogate pair is one character
        {QString(QChar(0xD83D)) + u'b', QStringLiteral("?b")},  // a lone surrogate
    };
    for (const auto& caso : casos)
        EXPECT_EQ(heldInAnsi(caso.texto), caso.guardado) << caso.texto.toStdString();
}

// A file that is not UTF-8 as a whole and yet has lines that are, as an editor that took
// a Windows-1252 file for UTF-8 leaves a line retyped in it: the line in the encoding fewer
// lines past ASCII are in is named.
TEST(TextEncoding, AFileMixingTheTwoEncodingsNamesTheLineInTheOtherOne)
{
    const struct {
        QByteArray bytes;
        int linha;
    } casos[] = {
        {"REGEDIT4\r\n\"JOS\xC3\x89\"\r\n\"M\xEAs\"\r\n\"M\xEAs\"\r\n", 2},
        {"\"M\xEAs\"\n\"JOS\xC3\x89\"\n", 2},                              // a tie: the UTF-8 one
        {"\"M\xC3\xAAs\"\r\n\"JOS\xC9\"\r\n\"M\xC3\xAAs\"\r\n", 2},  // UTF-8 with one line of 1252
        {"\xEF\xBB\xBFREGEDIT4\r\n\"M\xEAs\"\r\n\"M\xEAs\"\r\n", 1},     // a byte order mark is UTF-8
        {"REGEDIT4\r\n\"M\xEAs\"\r\n\"JOS\xC9\"\r\n", 0},                  // Windows-1252 alone
        {"REGEDIT4\r\n\"M\xC3\xAAs\"\r\n\xEF\xBB\xBF\"JOS\xC3\x89\"\r\n", 0},  // UTF-8 alone
        {"REGEDIT4\r\nASCII\r\n", 0},
        {"\"M\xEAs\"\r\n\"COM\xC3", 0},  // cut inside a character: Windows-1252
    };
    for (const auto& caso : casos)
        EXPECT_EQ(lineInOtherEncoding(caso.bytes), caso.linha) << caso.bytes.toHex(' ').toStdString();
}

class ArquivoTexto : public ::testing::Test {
protected:
    void gravar(const QByteArray& bytes)
    {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QByteArray conteudo()
    {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    QStringList linhas(qsizetype maior = 1'000'000, qint64 limite = std::numeric_limits<qint64>::max())
    {
        QStringList lidas;
        lido = readTextLines(arquivo, maior, limite, [&lidas](QString linha) {
            lidas.append(linha);
            return true;
        });
        return lidas;
    }

    QTemporaryDir pasta;
    QString arquivo = pasta.filePath(QStringLiteral("texto.txt"));
    TextLines lido;
};

TEST_F(ArquivoTexto, LinesComeDecodedInTheFilesEncodingWithAnyLineEnd)
{
    struct Caso {
        QByteArray bytes;
        QStringList linhas;
        TextEncoding codificacao;
        bool aberta;
    };
    const QString comercio = QStringLiteral("COMÉRCIO");
    const Caso casos[] = {
        {"ANA\r\nCOM\xC3\x89RCIO\nJOSE\rmaria", {"ANA", comercio, "JOSE", "maria"}, Utf8, true},
        {"ANA\r\nCOM\xC9RCIO\r\n", {"ANA", comercio}, Windows1252, false},
        {"\xEF\xBB\xBFJOS\xC3\x89\r\n", {QStringLiteral("JOSÉ")}, Utf8, false},
        {"\r\n\nANA\r", {"", "", "ANA"}, Utf8, false},
        {"", {}, Utf8, false},
    };
    for (const Caso& caso : casos) {
        gravar(caso.bytes);
        EXPECT_EQ(linhas(), caso.linhas) << caso.bytes.toHex(' ').toStdString();
        EXPECT_EQ(lido.encoding, caso.codificacao) << caso.bytes.toHex(' ').toStdString();
        EXPECT_EQ(lido.lastLineOpen, caso.aberta) << caso.bytes.toHex(' ').toStdString();
    }
    EXPECT_EQ(readTextLines(pasta.filePath(QStringLiteral("none")), 10, 10, [](QString) { return true; }).status,
              FileRead::Status::Missing);
}

// The file is read in blocks of 64 KiB: a line, a character and a CR LF may each stand
// across the first boundary.
TEST_F(ArquivoTexto, ALineAcrossTheBlocksItIsReadInComesWhole)
{
    const QByteArray antes(65535, 'A');
    gravar(antes + "\r\nB\r\n");
    EXPECT_EQ(linhas(), QStringList({QString::fromLatin1(antes), "B"}));
    gravar(antes + "\r\n");
    EXPECT_EQ(linhas(), QStringList({QString::fromLatin1(antes)}));
    gravar(antes + "\xC3\x89\r\nB");
    EXPECT_EQ(linhas(), QStringList({QString::fromLatin1(antes) + QStringLiteral("É"), "B"}));
    gravar(antes.first(60000) + "\r\n" + antes + "\r\nB\r\n");
    EXPECT_EQ(linhas(70000), QStringList({QString::fromLatin1(antes.first(60000)), QString::fromLatin1(antes), "B"}));
    EXPECT_EQ(linhas(65534), QStringList({QString::fromLatin1(antes.first(60000)), "B"}));
}

TEST_F(ArquivoTexto, LongLinesArePassedOverAndNoLineFromTheLimitOnIsHanded)
{
    // ANA at 0, the long line at 5, JOSE at 17, ÉLIA (five bytes) at 23, MARIA at 30.
    gravar("ANA\r\nXXXXXXXXXX\r\nJOSE\r\n\xC3\x89LIA\r\nMARIA");
    EXPECT_EQ(linhas(4), QStringList({"ANA", "JOSE", QStringLiteral("ÉLIA")}));
    EXPECT_FALSE(lido.cut);
    EXPECT_EQ(linhas(5, 23), QStringList({"ANA", "JOSE"}));
    EXPECT_TRUE(lido.cut);
    EXPECT_EQ(linhas(5, 30), QStringList({"ANA", "JOSE", QStringLiteral("ÉLIA")}));
    EXPECT_TRUE(lido.cut);
    EXPECT_EQ(linhas(5, 31), QStringList({"ANA", "JOSE", QStringLiteral("ÉLIA"), "MARIA"}));
    EXPECT_FALSE(lido.cut);
}

TEST_F(ArquivoTexto, TextIsAddedInTheFilesOwnEncodingAndANewFileIsUtf8)
{
    const QString jose = QStringLiteral("JOSÉ\r\n");
    EXPECT_TRUE(appendText(arquivo, jose));
    EXPECT_EQ(conteudo(), "JOS\xC3\x89\r\n");

    struct Caso {
        QByteArray antes;
        QByteArray depois;
    };
    const Caso casos[] = {
        {"ANA\r\n", "ANA\r\nJOS\xC3\x89\r\n"},
        {"COM\xC3\x89RCIO\r\n", "COM\xC3\x89RCIO\r\nJOS\xC3\x89\r\n"},
        {"COM\xC9RCIO\r\n", "COM\xC9RCIO\r\nJOS\xC9\r\n"},
    };
    for (const Caso& caso : casos) {
        gravar(caso.antes);
        EXPECT_TRUE(appendText(arquivo, jose));
        EXPECT_EQ(conteudo(), caso.depois);
    }

    ASSERT_TRUE(QFile::remove(arquivo));
    ASSERT_TRUE(QDir().mkdir(arquivo));
    EXPECT_FALSE(appendText(arquivo, jose));
}

// Lines added to a file an editor wrote with LF end in LF; the first line end in the file
// says which, even one split across the blocks the file is read in.
TEST_F(ArquivoTexto, LinesAreAddedOnALineOfTheirOwnWithTheLineEndTheFilesLinesHave)
{
    const QByteArray bloco(65535, 'A');
    const struct {
        QByteArray antes;
        QByteArray acrescentado;
    } casos[] = {
        {"X\r\n", "JOS\xC3\x89\r\nANA\r\n"},
        {"X\n", "JOS\xC3\x89\nANA\n"},
        {"X\r", "JOS\xC3\x89\rANA\r"},
        {"X", "\r\nJOS\xC3\x89\r\nANA\r\n"},
        {"X\nY", "\nJOS\xC3\x89\nANA\n"},
        {"X\nY\r\n", "JOS\xC3\x89\nANA\n"},
        {bloco + "\r\nY", "\r\nJOS\xC3\x89\r\nANA\r\n"},
        {bloco + "\rY\r\n", "JOS\xC3\x89\rANA\r"},
        {bloco + "\r", "JOS\xC3\x89\rANA\r"},
    };
    for (const auto& caso : casos) {
        gravar(caso.antes);
        EXPECT_TRUE(appendText(arquivo, QStringLiteral("JOSÉ\r\nANA\r\n")));
        EXPECT_EQ(conteudo(), caso.antes + caso.acrescentado) << caso.antes.right(8).toHex(' ').toStdString();
    }
}

}  // namespace
