#include "host/globais.h"
#include "host/texto.h"
#include "platform/fileio.h"
#include "resources/catalogo.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <iterator>

using namespace tarvelo;

namespace {

// Topics the program has in Portuguese only.
const QSet<int> kSoPortugues = {900, 944, 947, 948, 971, 972, 973, 974, 999};

QString emIdioma(int idioma, int topic, const QString& a1 = {}, const QString& a2 = {})
{
    Globais g;
    g.gIdioma = idioma;
    ScopedGlobais escopo(g);
    return fTexto(topic, a1, a2);
}

TEST(fTexto, FillsPlaceholdersAfterTurningBarsIntoLineBreaks)
{
    EXPECT_EQ(emIdioma(1, 81, QStringLiteral("   Ctrl+Shift+C")),
              QStringLiteral("Exibir Calculadora    Ctrl+Shift+C"));
    EXPECT_EQ(emIdioma(2, 43, QStringLiteral("14:30:00"), QStringLiteral("REUNIAO")),
              QStringLiteral("Alarm Scheduled Time:\r\n14:30:00 hs.\r\n\r\nREUNIAO"));
    // A "|" inside an argument is the caller's text and stays.
    EXPECT_EQ(emIdioma(1, 81, QStringLiteral("a|b")), QStringLiteral("Exibir Calculadora a|b"));
    // An argument holding the characters that stand for the placeholders keeps them.
    const QString nome = QString::fromUtf16(u"Reuni\u017Do \u008F");
    EXPECT_EQ(emIdioma(2, 43, nome, QStringLiteral("X")),
              QStringLiteral("Alarm Scheduled Time:\r\n") + nome + QStringLiteral(" hs.\r\n\r\nX"));
    // No placeholder: the arguments are ignored.
    EXPECT_EQ(emIdioma(2, 16, QStringLiteral("x"), QStringLiteral("y")), QStringLiteral("Sent to printer"));
}

TEST(fTexto, MissingTextsAreEmpty)
{
    EXPECT_EQ(emIdioma(2, 900), QString());  // Portuguese only
    EXPECT_FALSE(emIdioma(1, 900).isEmpty());
    EXPECT_EQ(emIdioma(1, 1), QString());
    EXPECT_EQ(emIdioma(7, 16), QString());
}

TEST(Catalogo, ReadsItsSourceFormat)
{
    const Catalogo c = lerCatalogo(QStringLiteral("# comment\r\n12\t2\t a|{1}{2}{3} \r\nbad line\n5\tx\ty\n"));
    ASSERT_EQ(c.size(), 1);
    EXPECT_EQ(c.value(122), QString::fromUtf16(u" a|\u008D\u017D\u008F "));
}

// Every topic the program asks for must exist in every language it can be asked in;
// a missing text would silently blank a caption or a message.
TEST(Catalogo, HoldsEveryTopicTheCodeAsksForInEveryLanguage)
{
    QSet<int> pedidos;
    const QRegularExpression chamada(QStringLiteral(R"(fTexto\(\s*(\d+))"));
    QDirIterator it(QStringLiteral(TARVELO_SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String("/build")) || path.contains(QLatin1String("/tests/")))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (auto m = chamada.globalMatch(source); m.hasNext();)
            pedidos.insert(m.next().captured(1).toInt());
    }

    QSet<int> topicos = pedidos;
    for (auto it = catalogo().cbegin(); it != catalogo().cend(); ++it)
        topicos.insert(it.key() / 10);
    for (int topico : topicos) {
        const int idiomas = kSoPortugues.contains(topico) ? 1 : 4;
        for (int idioma = 1; idioma <= idiomas; ++idioma)
            EXPECT_TRUE(catalogo().contains(topico * 10 + idioma))
                << "topic " << topico << " has no text in language " << idioma;
    }
}

// The program runs on a Linux desktop: no text may send the user to a place or a step that
// only Windows has. A file format may still be named after it.
TEST(Catalogo, NoTextSendsTheUserToWindows)
{
    const QRegularExpression formato(
        QStringLiteral(R"((bitmap|registro|registry|registre) (do |de |du )?Windows|Windows (bitmap|registry))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression soWindows(
        QStringLiteral("Windows|painel de controle|control panel|panel de control|panneau de configuration|"
                       "(reiniciar|restart|redémarrer) (o computador|the computer|el equipo|l'ordinateur)"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = catalogo().cbegin(); it != catalogo().cend(); ++it) {
        const QString texto = QString(it.value()).remove(formato);
        EXPECT_FALSE(texto.contains(soWindows))
            << "topic " << it.key() / 10 << ", language " << it.key() % 10 << ": " << qPrintable(it.value());
    }
}

// The paper tape has one name in French, "bande", as the menu and the tips call it; the
// ink ribbon's name for it leaves the user wondering what was lost.
TEST(Catalogo, CallsTheTapeByOneNameInFrench)
{
    const QRegularExpression ruban(QStringLiteral(R"(\bruban)"), QRegularExpression::CaseInsensitiveOption);
    for (auto it = catalogo().cbegin(); it != catalogo().cend(); ++it)
        if (it.key() % 10 == 4) {
            EXPECT_FALSE(it.value().contains(ruban)) << "topic " << it.key() / 10 << ": " << qPrintable(it.value());
        }
}

// A file that cannot be read or saved gives its reason in the interface language,
// whatever the system's is.
TEST(MotivoDeFalha, EveryReasonIsInTheInterfaceLanguage)
{
    const int erros[] = {ENOSPC, EROFS, EACCES, ENOENT, EISDIR, ENAMETOOLONG, EDQUOT, EIO, EWOULDBLOCK, kNotRegularFile,
                         EINVAL};
    const char* const naoExiste[] = {"não existe", "does not exist", "no existe", "n'existe pas"};
    QTemporaryDir pasta;
    QList<QStringList> porIdioma;
    for (int idioma = 1; idioma <= 4; ++idioma) {
        Globais g;
        g.gIdioma = idioma;
        ScopedGlobais escopo(g);
        traduzirDialogos(idioma);
        const FileResult gravado = writeFileAtomically(pasta.filePath(QStringLiteral("gone/calc1.fita")), "x");
        EXPECT_TRUE(gravado.error.contains(QString::fromUtf8(naoExiste[idioma - 1]))) << qPrintable(gravado.error);
        QStringList textos;
        for (const int erro : erros)
            textos << systemErrorText(erro);
        EXPECT_EQ(QSet<QString>(textos.cbegin(), textos.cend()).size(), std::size(erros)) << idioma;
        for (const QStringList& outro : porIdioma)
            for (qsizetype i = 0; i < textos.size(); ++i)
                EXPECT_NE(textos[i], outro[i]) << idioma;
        porIdioma << textos;
        // A reason without words of its own is named by its code.
        EXPECT_TRUE(systemErrorText(ELOOP).contains(QStringLiteral("ELOOP"))) << qPrintable(systemErrorText(ELOOP));
    }
    setSystemErrorWording({});
}

}  // namespace
