#include "host/preferencias.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "../platform/registry_printers.h"

using namespace tarvelo;

namespace {

class PreferenciasTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    Registry reg{tmp.filePath(QStringLiteral("registry"))};
    SettingsStore store{reg};

    QString guardado(QStringView chave) { return store.GetSetting(QStringLiteral("Conf"), chave.toString(), "<none>"); }
};

TEST_F(PreferenciasTest, AnEmptyStoreGivesEveryDefaultAndReadingWritesNothing)
{
    EXPECT_EQ(lerPreferencia(store, pref::HotKey), true);
    EXPECT_EQ(lerPreferencia(store, pref::CalcEnter), false);
    EXPECT_EQ(lerPreferencia(store, pref::CalcHeight), 7350.0);
    EXPECT_EQ(lerPreferencia(store, pref::Porta), "LPT1");
    EXPECT_EQ(textoPreferencia(store, pref::Letrona), "True");
    EXPECT_EQ(textoPreferencia(store, pref::Formato), "2");
    EXPECT_EQ(textoPreferencia(store, pref::CalcLeft, "11220"), "11220");
    EXPECT_FALSE(preferenciaGuardada(store, pref::CalcHeight));
    EXPECT_FALSE(reg.keyExists(Hive::CurrentUser, kSettingsRootKey));
}

TEST_F(PreferenciasTest, EachTypeIsStoredAsItsTextAndReadBack)
{
    ASSERT_TRUE(salvarPreferencia(store, pref::Visivel, false));
    ASSERT_TRUE(salvarPreferencia(store, pref::MiniHeight, 2040));
    ASSERT_TRUE(salvarPreferencia(store, pref::UltimoPath, QStringLiteral("/home/ana/fitas/")));

    EXPECT_EQ(guardado(u"Visivel"), "False");
    EXPECT_EQ(guardado(u"MiniHeight"), "2040");
    EXPECT_EQ(guardado(u"UltimoPath"), "/home/ana/fitas/");
    EXPECT_EQ(lerPreferencia(store, pref::Visivel), false);
    EXPECT_EQ(lerPreferencia(store, pref::MiniHeight), 2040.0);
    EXPECT_EQ(lerPreferencia(store, pref::UltimoPath), "/home/ana/fitas/");
    EXPECT_EQ(textoPreferencia(store, pref::UltimoPath, "/outra/"), "/home/ana/fitas/");
    EXPECT_TRUE(preferenciaGuardada(store, pref::MiniHeight));
    // A large number keeps every digit.
    ASSERT_TRUE(salvarPreferencia(store, pref::CalcTop, 123456789));
    EXPECT_EQ(guardado(u"CalcTop"), "123456789");
}

TEST_F(PreferenciasTest, AStoredTextThatIsNoValueOfTheTypeReadsAsNone)
{
    const struct {
        const char* texto;
        std::optional<bool> simNao;
        std::optional<double> numero;
    } casos[] = {
        {"talvez", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {" true ", true, std::nullopt},
        {"0", false, 0.0},
        {"7350", true, 7350.0},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        ASSERT_TRUE(store.SaveSetting("Conf", "Backup", caso.texto));
        ASSERT_TRUE(store.SaveSetting("Conf", "CalcHeight", caso.texto));
        EXPECT_EQ(lerPreferencia(store, pref::Backup), caso.simNao);
        EXPECT_EQ(lerPreferencia(store, pref::CalcHeight), caso.numero);
        EXPECT_TRUE(preferenciaGuardada(store, pref::Backup));
    }
}

TEST_F(PreferenciasTest, SeveralValuesOfOneSectionAreWrittenTogetherAndMixedSectionsNot)
{
    ASSERT_TRUE(salvarPreferencias(store, {valorPreferencia(pref::CalcEnter, true),
                                           valorPreferencia(pref::Idioma, 3),
                                           valorPreferencia(pref::UltimoArq, QStringLiteral("maio.txt"))}));
    EXPECT_EQ(store.GetAllSettings("Conf"),
              (QList<std::pair<QString, QString>>{{"CalcEnter", "True"}, {"Idioma", "3"}, {"UltimoArq", "maio.txt"}}));

    constexpr PreferenciaTexto outraSecao{u"Cheque", u"Banco", u""};
    EXPECT_FALSE(salvarPreferencias(store, {valorPreferencia(pref::Cor, QStringLiteral("2")),
                                            valorPreferencia(outraSecao, QStringLiteral("Modelo 1"))}));
    EXPECT_EQ(guardado(u"Cor"), "<none>");
    EXPECT_TRUE(salvarPreferencias(store, {}));
}

}  // namespace
