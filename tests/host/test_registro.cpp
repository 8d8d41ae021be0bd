#include "host/registro.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "../platform/registry_printers.h"

using namespace tarvelo;

namespace {

const QString kRun = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Run");

class RegistroTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString folder = tmp.filePath(QStringLiteral("registry"));
    Registry reg{folder};
    ScopedRegistry scope{reg};
};

TEST_F(RegistroTest, DataNamingDriveAInUpperCaseIsNotWritten)
{
    const struct {
        const char* data;
        bool written;
    } cases[] = {
        {"\"A:\\TARVELO\\tarvelo\" systray", false},
        {"\"a:\\TARVELO\\tarvelo\" systray", true},
        {"\"/home/ana/A:\\x\" systray", false},  // anywhere in the text
        {"\"/home/ana/A:/x\" systray", true},
        {"\"A:\" systray", true},
    };
    GravarRegistro(kRun, "Tarvelo", QString::fromLatin1(cases[0].data), 7, kRegSz);
    EXPECT_FALSE(QFileInfo::exists(folder));  // not even the key

    for (const auto& c : cases) {
        const QString data = QString::fromLatin1(c.data);
        GravarRegistro(kRun, "Tarvelo", data, 7, kRegSz);
        EXPECT_EQ(LerRegistro(kRun, "Tarvelo", 7), c.written ? data : QString()) << c.data;
        EXPECT_EQ(reg.keyExists(Hive::CurrentUser, kRun), c.written) << c.data;
        ApagarRegistro(kRun, "Tarvelo", 7);
        reg.deleteKey(Hive::CurrentUser, u"Software");
    }
}

TEST_F(RegistroTest, HiveCodesTwoToEightNameTheHives)
{
    const std::pair<int, Hive> hives[] = {
        {8, Hive::ClassesRoot}, {7, Hive::CurrentUser},     {6, Hive::LocalMachine}, {5, Hive::Users},
        {4, Hive::PerformanceData}, {3, Hive::CurrentConfig}, {2, Hive::DynData},
    };
    for (const int code : {0, 1, 9, 10, 78, -7}) {
        GravarRegistro("Chave", "Nome", "x", code, kRegSz);
        EXPECT_EQ(LerRegistro("Chave", "Nome", code), "") << code;
    }
    EXPECT_FALSE(QFileInfo::exists(folder));

    for (const auto& [code, hive] : hives) {
        GravarRegistro("Chave", "Nome", QString::number(code), code, kRegSz);
        EXPECT_EQ(reg.value(hive, u"Chave", u"Nome"), RegistryValue::string(QString::number(code))) << code;
        EXPECT_EQ(LerRegistro("Chave", "Nome", code), QString::number(code));
    }
}

TEST_F(RegistroTest, NumbersAreWrittenAsDwords)
{
    const QString key = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
    const struct {
        const char* data;
        std::optional<std::uint32_t> stored;
        const char* read;
    } cases[] = {
        {"1", 1u, "1"},
        {" 42 ", 42u, "42"},
        {"-1", 0xFFFFFFFFu, "4294967295"},
        {"2147483647", 0x7FFFFFFFu, "2147483647"},
        {"2147483648", std::nullopt, ""},  // not a 32-bit integer
        {"abc", std::nullopt, ""},
        {"", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        GravarRegistro(key, "NoSetFolders", QString::fromLatin1(c.data), 7, kRegDword);
        const auto stored = reg.value(Hive::CurrentUser, key, u"NoSetFolders");
        EXPECT_EQ(stored, c.stored ? std::optional(RegistryValue::number(*c.stored)) : std::nullopt) << c.data;
        EXPECT_EQ(LerRegistro(key, "NoSetFolders", 7), QString::fromLatin1(c.read)) << c.data;
        EXPECT_TRUE(reg.keyExists(Hive::CurrentUser, key)) << c.data;  // the key is made all the same
        ApagarRegistro(key, "NoSetFolders", 7);
    }
}

TEST_F(RegistroTest, ReadingWhatIsMissingGivesEmptyTextAndDeletingItChangesNothing)
{
    EXPECT_EQ(LerRegistro(kRun, "Tarvelo", 7), "");
    GravarRegistro(kRun, "Outro", "x", 7, kRegSz);
    EXPECT_EQ(LerRegistro(kRun, "Tarvelo", 7), "");
    EXPECT_EQ(LerRegistro(kRun, "Outro", 6), "");

    ApagarRegistro(kRun, "Tarvelo", 7);
    ApagarRegistro("Nowhere", "Tarvelo", 7);
    EXPECT_EQ(reg.values(Hive::CurrentUser, kRun).size(), 1);
    ApagarRegistro(kRun, "OUTRO", 7);
    EXPECT_TRUE(reg.values(Hive::CurrentUser, kRun).isEmpty());

    // Text stops at its first NUL character, as a C string does.
    GravarRegistro(kRun, "Nul", QString::fromUtf16(u"ab\0cd", 5), 7, kRegSz);
    EXPECT_EQ(LerRegistro(kRun, "Nul", 7), "ab");
    GravarRegistro(kRun, "Vazio", "", 7, kRegSz);
    EXPECT_EQ(LerRegistro(kRun, "Vazio", 7), "");
    EXPECT_TRUE(reg.value(Hive::CurrentUser, kRun, u"Vazio"));
}

}  // namespace
