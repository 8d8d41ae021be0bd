#include "host/ambiente.h"
#include "host/globais.h"
#include "platform/localeinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(Idioma, LanguageIdTable)
{
    const struct {
        quint16 id;
        int idioma;
    } casos[] = {
        {0x0416, 1}, {0x0816, 1},                             // Portuguese, Brazil and Portugal
        {0x0C0A, 3}, {0x040A, 3}, {0x080A, 3}, {0x100A, 3},   // Spanish variants ("00a" ends 0x100A)
        {0x040C, 4}, {0x080C, 4}, {0x0C0C, 4}, {0x100C, 4},   // French variants
        {0x0409, 2}, {0x0407, 2}, {0x0410, 2},                // English, German, Italian
        {0x000A, 2}, {0x000C, 2}, {0x0016, 2},                // neutral ids: fewer than three hex digits
    };
    for (const auto& caso : casos)
        EXPECT_EQ(idiomaDoLangID(caso.id), caso.idioma) << std::hex << caso.id;
}

TEST(Idioma, StoredChoiceWinsOnlyWhenItIsALanguage)
{
    EXPECT_EQ(escolherIdioma(QStringLiteral("3"), 0x0416), 3);  // Spanish on any system
    EXPECT_EQ(escolherIdioma(QStringLiteral("2"), 0x0C0A), 2);
    EXPECT_EQ(escolherIdioma(QStringLiteral(" 4 "), 0x0409), 4);
    // Not chosen: the user's language decides.
    for (const char* guardado : {"0", "", "abc", "-1", "5", "255", "300"})
        EXPECT_EQ(escolherIdioma(QString::fromLatin1(guardado), 0x0C0A), 3) << guardado;
}

TEST(FormatoData, DayFirstOnlyWhenTheShortDateStartsWithTheDay)
{
    ScopedLocale fixo(LocaleInfo::brazil());
    EXPECT_EQ(fFormatoData(LocaleInfo::brazil()), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(fFormatoData(LocaleInfo::unitedStates()), QStringLiteral("mm/dd/yyyy"));
    LocaleInfo anoPrimeiro = LocaleInfo::brazil();
    anoPrimeiro.dateOrder = DateOrder::YearMonthDay;
    anoPrimeiro.dateSeparator = QLatin1Char('-');
    EXPECT_EQ(fFormatoData(anoPrimeiro), QStringLiteral("mm/dd/yyyy"));
}

TEST(PastaDados, FromTheEnvironment)
{
    const struct {
        const char* tarveloHome;
        const char* xdgDataHome;
        const char* home;
        const char* pasta;
    } casos[] = {
        {"/srv/calc", "/x/data", "/home/ana", "/srv/calc/"},
        {"/srv/calc/", nullptr, "/home/ana", "/srv/calc/"},
        {nullptr, "/x/data", "/home/ana", "/x/data/tarvelo/"},
        {nullptr, "relativo/data", "/home/ana", "/home/ana/.local/share/tarvelo/"},
        {nullptr, nullptr, "/home/ana", "/home/ana/.local/share/tarvelo/"},
        {"", "", "/home/ana/", "/home/ana/.local/share/tarvelo/"},
    };
    for (const auto& caso : casos) {
        QProcessEnvironment ambiente;
        if (caso.tarveloHome)
            ambiente.insert(QStringLiteral("TARVELO_HOME"), QString::fromLatin1(caso.tarveloHome));
        if (caso.xdgDataHome)
            ambiente.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromLatin1(caso.xdgDataHome));
        ambiente.insert(QStringLiteral("HOME"), QString::fromLatin1(caso.home));
        EXPECT_EQ(pastaDados(ambiente), QString::fromLatin1(caso.pasta)) << caso.pasta;
    }
}

TEST(CarregarAmbiente, SetsTheGlobalsAndCreatesTheDataFolder)
{
    QTemporaryDir raiz;
    ASSERT_TRUE(raiz.isValid());
    ScopedLocale fixo(LocaleInfo::unitedStates());
    Globais g;
    QProcessEnvironment ambiente;
    ambiente.insert(QStringLiteral("TARVELO_HOME"), raiz.filePath(QStringLiteral("novo/dados")));
    carregarAmbiente(g, {ambiente, QStringLiteral("/opt/tarvelo/bin/tarvelo"), QStringLiteral("0")});

    EXPECT_EQ(g.gPastaApp, QDir(raiz.path()).filePath(QStringLiteral("novo/dados")) + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(g.gPastaApp).isDir());
    EXPECT_EQ(g.gNomeExe, QStringLiteral("tarvelo"));
    EXPECT_EQ(g.gLangID, 0x0409);
    EXPECT_EQ(g.gIdioma, 2);
    EXPECT_EQ(g.gDecimal, QStringLiteral("."));
    EXPECT_EQ(g.gFormatoData, QStringLiteral("mm/dd/yyyy"));
}

TEST(CarregarAmbiente, DecimalClashIsMendedInTheProcessOnly)
{
    QTemporaryDir raiz;
    LocaleInfo confuso = LocaleInfo::brazil();
    confuso.decimalSymbol = QLatin1Char('.');
    confuso.thousandsSeparator = QLatin1Char('.');
    ScopedLocale fixo(confuso);
    Globais g;
    QProcessEnvironment ambiente;
    ambiente.insert(QStringLiteral("TARVELO_HOME"), raiz.path());
    carregarAmbiente(g, {ambiente, {}, QStringLiteral("3")});

    EXPECT_EQ(g.gDecimal, QStringLiteral(","));
    EXPECT_EQ(currentLocale().decimalSymbol, QLatin1Char(','));
    EXPECT_EQ(g.gIdioma, 3);
}

}  // namespace
