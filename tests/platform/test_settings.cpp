#include "platform/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "registry_printers.h"

using namespace tarvelo;

namespace {

using Pairs = QList<std::pair<QString, QString>>;

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString folder = tmp.filePath(QStringLiteral("registry"));
    Registry reg{folder};
    SettingsStore store{reg};
};

TEST_F(SettingsTest, AMissingKeyGivesTheDefaultAndReadingWritesNothing)
{
    EXPECT_EQ(store.GetSetting("Conf", "Cor", "1"), "1");
    EXPECT_EQ(store.GetSetting("Conf", "Cor"), "");
    EXPECT_EQ(store.GetBoolSetting("Conf", "Visivel", true), true);
    EXPECT_TRUE(store.GetAllSettings("Conf").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder));

    ASSERT_TRUE(store.SaveSetting("Conf", "Idioma", "2"));
    const QDateTime written = QFileInfo(reg.hiveFilePath(Hive::CurrentUser)).lastModified();
    EXPECT_EQ(store.GetSetting("Conf", "Cor", "1"), "1");
    EXPECT_EQ(store.GetSetting("Cheque3", "Banco", "Modelo 4"), "Modelo 4");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"HKEY_CURRENT_USER.reg"});
    EXPECT_EQ(QFileInfo(reg.hiveFilePath(Hive::CurrentUser)).lastModified(), written);
}

TEST_F(SettingsTest, SectionsAreKeysOfTheProgramsSettingsKey)
{
    ASSERT_TRUE(store.SaveSetting("Conf", "Idioma", "2"));
    ASSERT_TRUE(store.SaveSetting("conf", "IDIOMA", "3"));
    ASSERT_TRUE(store.SaveSetting("Cheque1", "lblMêsL", "97"));
    EXPECT_EQ(reg.value(Hive::CurrentUser, u"Software\\VB and VBA Program Settings\\TQ\\Conf", u"Idioma"),
              RegistryValue::string("3"));
    EXPECT_EQ(reg.subKeyNames(Hive::CurrentUser, kSettingsRootKey), (QStringList{"Conf", "Cheque1"}));
    EXPECT_EQ(SettingsStore(reg).GetSetting("CONF", "idioma", "1"), "3");
    EXPECT_EQ(store.GetSetting("Cheque1", QStringLiteral("LBLMÊSL")), "97");

    // A value put there as a number by a registry script reads as its decimal text.
    ASSERT_TRUE(reg.setValue(Hive::CurrentUser, SettingsStore::sectionKey(u"Conf"), "Cor", RegistryValue::number(4)));
    EXPECT_EQ(store.GetSetting("Conf", "Cor", "1"), "4");

    EXPECT_FALSE(store.SaveSetting("", "Idioma", "2"));  // would land on the application key
    EXPECT_EQ(store.GetSetting("", "Idioma", "x"), "x");
}

TEST_F(SettingsTest, DeletesAKeyOrAWholeSection)
{
    for (const char* section : {"Cheque", "Cheque1"})
        for (const char* key : {"Banco", "Height"})
            ASSERT_TRUE(store.SaveSetting(section, key, section));
    ASSERT_TRUE(store.SaveSetting("Conf", "Cor", "2"));

    EXPECT_TRUE(store.DeleteSetting("Conf", "cor"));
    EXPECT_EQ(store.GetSetting("Conf", "Cor", "1"), "1");
    EXPECT_TRUE(store.DeleteSetting("Conf", "Cor"));  // already gone
    EXPECT_TRUE(store.DeleteSetting("cheque"));
    EXPECT_TRUE(store.GetAllSettings("Cheque").isEmpty());
    EXPECT_EQ(store.GetAllSettings("Cheque1"), (Pairs{{"Banco", "Cheque1"}, {"Height", "Cheque1"}}));
    EXPECT_TRUE(store.DeleteSetting("Promissoria"));
    EXPECT_FALSE(store.DeleteSetting(""));
    EXPECT_TRUE(reg.keyExists(Hive::CurrentUser, kSettingsRootKey));
}

TEST_F(SettingsTest, GetAllSettingsKeepsTheOrderOfFirstSaving)
{
    ASSERT_TRUE(store.SaveSetting("Cheque", "Width", "9000"));
    ASSERT_TRUE(store.SaveSettings("Cheque", {{"Banco", "Modelo 1"}, {"Height", "3600"}, {"width", "9100"}}));
    EXPECT_EQ(store.GetAllSettings("CHEQUE"),
              (Pairs{{"Width", "9100"}, {"Banco", "Modelo 1"}, {"Height", "3600"}}));

    // A batch with one key that cannot be stored stores none of them.
    EXPECT_FALSE(store.SaveSettings("Cheque", {{"Banco", "Outro"}, {"Fim", QString(kMaxValueDataLength + 1, u'x')}}));
    EXPECT_EQ(store.GetSetting("Cheque", "Banco"), "Modelo 1");
}

TEST_F(SettingsTest, TruthValuesAreTrueAndFalse)
{
    EXPECT_EQ(settingText(true), "True");
    EXPECT_EQ(settingText(false), "False");
    const std::pair<const char*, std::optional<bool>> cases[] = {
        {"True", true}, {"False", false}, {"true", true}, {" FALSE ", false}, {"0", false},
        {"-1", true},   {"1", true},      {"0.0", false}, {"", std::nullopt}, {"abc", std::nullopt},
        {"Truee", std::nullopt}, {"inf", std::nullopt}, {"0,5", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(settingBool(QString::fromLatin1(text)), expected) << text;

    ASSERT_TRUE(store.SaveSetting("Conf", "Backup", settingText(false)));
    ASSERT_TRUE(store.SaveSetting("Conf", "Monitor", "talvez"));
    EXPECT_EQ(store.GetBoolSetting("Conf", "Backup", true), false);
    EXPECT_EQ(store.GetBoolSetting("Conf", "Monitor", false), std::nullopt);
}

TEST_F(SettingsTest, TheProgramsStoreFollowsTheProgramsRegistry)
{
    ScopedRegistry scope(reg);
    ASSERT_TRUE(settings().SaveSetting("Conf", "Cor", "3"));
    EXPECT_EQ(store.GetSetting("Conf", "Cor"), "3");
    EXPECT_EQ(&settings().store(), &reg);
}

}  // namespace
