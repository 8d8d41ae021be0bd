#include "platform/ansi.h"
#include "platform/regedit.h"
#include "platform/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "registry_printers.h"

using namespace tarvelo;

namespace {

// Cheque models as the cheque window's backup writes them: Windows-1252 ("ê" is 0xEA),
// CR LF, an empty line before every header, a CR LF after the last line.
const QByteArray kBackup =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque]\r\n"
    "\"Height\"=\"3600\"\r\n"
    "\"Banco\"=\"BANCO \\\"X\\\" C:\\\\PASTA\"\r\n"
    "\"lblM\xEAsL\"=\"120\"\r\n"
    "\"chkAno\"=\"0\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque1\\lblM\xEAsL]\r\n"
    "@=\"padr\xE3o\"\r\n"
    "\"Contador\"=dword:0000000a\r\n";

const QString kTQ = kSettingsRootKey;
const Hive HKCU = Hive::CurrentUser;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Regedit4Test : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString folder = tmp.filePath(QStringLiteral("registry"));
    Registry reg{folder};
    SettingsStore settings{reg};
    QString error;
};

TEST_F(Regedit4Test, ImportsTheChequeBackupAndExportsItByteForByte)
{
    ASSERT_TRUE(importRegedit4(reg, kBackup, &error)) << error.toStdString();

    EXPECT_EQ(settings.GetSetting("Cheque", QStringLiteral("lblMêsL")), "120");
    EXPECT_EQ(settings.GetSetting("Cheque", "Banco"), QStringLiteral("BANCO \"X\" C:\\PASTA"));
    EXPECT_EQ(reg.values(HKCU, kTQ + QStringLiteral("\\Cheque"))[2].name, QStringLiteral("lblMêsL"));
    const QString sub = kTQ + QStringLiteral("\\Cheque1\\lblMêsL");
    EXPECT_EQ(reg.value(HKCU, sub, u""), RegistryValue::string(QStringLiteral("padrão")));
    EXPECT_EQ(reg.value(HKCU, sub, u"contador"), RegistryValue::number(10));

    const auto exported = exportRegedit4(reg, HKCU, kTQ, &error);
    ASSERT_TRUE(exported) << error.toStdString();
    EXPECT_EQ(*exported, kBackup);

    // Through files, and into a registry that never saw the script.
    const QString file = tmp.filePath(QStringLiteral("BackupCheques.reg"));
    ASSERT_TRUE(exportRegedit4File(reg, HKCU, kTQ, file, &error));
    EXPECT_EQ(readAll(file), kBackup);
    Registry other(tmp.filePath(QStringLiteral("other")));
    ASSERT_TRUE(importRegedit4File(other, file, &error)) << error.toStdString();
    EXPECT_EQ(exportRegedit4(other, HKCU, kTQ, &error), kBackup);

    // A section's export stops at the section: "Cheque1" is not part of "Cheque".
    const auto cheque = exportRegedit4(reg, HKCU, kTQ + QStringLiteral("\\cheque"), &error);
    ASSERT_TRUE(cheque);
    EXPECT_EQ(*cheque, kBackup.first(kBackup.indexOf("\r\n\r\n[", 20) + 2));
}

TEST_F(Regedit4Test, RefusesTheWholeScriptAndWritesNothing)
{
    ASSERT_TRUE(settings.SaveSetting("Conf", "Idioma", "2"));
    const QByteArray before = readAll(reg.hiveFilePath(HKCU));

    // Every script starts with a block that alone would import.
    const QByteArray good =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Cheque]\r\n"
        "\"Banco\"=\"Novo\"\r\n\r\n";
    struct Case {
        const char* tail;
        const char* inMessage;
    };
    const Case cases[] = {
        {"[HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\TQ\\Conf]\r\n\"Idioma\"=\"1\"\r\n",
         "line 6: [HKEY_LOCAL_MACHINE\\Software\\VB and VBA Program Settings\\TQ\\Conf] is outside"},
        {"[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"Tarvelo\"=\"x\"\r\n",
         "is outside [HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ]"},
        {"[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQX]\r\n", "is outside"},
        {"[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings]\r\n", "is outside"},
        {"[HKEY_NOWHERE\\Software]\r\n", "line 6: unknown root key"},
        {"[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\\\Conf]\r\n", "invalid key name"},
        {"[-HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Conf]\r\n", "deleting keys"},
        {"\"Banco\"=-\r\n", "deleting values"},
        {"\"Banco\"=hex:41,00\r\n", "only text and dword values"},
        {"\"Banco\"=dword:123456789\r\n", "1 to 8 hexadecimal digits"},
        {"\"Banco\"=\"C:\\pasta\"\r\n", "line 6: unknown escape"},
        {"\"Banco\"=\"open\r\n", "without its closing quote"},
        {"\"Banco\"=\"a\rb\"\r\n", "line break inside a quoted text"},
        {"\"Banco\"=\"x\" trailing\r\n", "after the closing quote"},
        {"Banco=x\r\n", "expected a key header"},
    };
    for (const Case& c : cases) {
        error.clear();
        EXPECT_FALSE(importRegedit4(reg, good + c.tail, &error)) << c.tail;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.inMessage))) << error.toStdString();
        EXPECT_EQ(readAll(reg.hiveFilePath(HKCU)), before) << c.tail;
    }
    for (const QByteArray& notAScript : {QByteArray(), QByteArray("Windows Registry Editor Version 5.00\r\n"),
                                         QByteArray("\"Banco\"=\"x\"\r\nREGEDIT4\r\n")}) {
        EXPECT_FALSE(importRegedit4(reg, notAScript, &error));
        EXPECT_TRUE(error.contains("REGEDIT4")) << error.toStdString();
    }
    EXPECT_FALSE(importRegedit4(reg, "REGEDIT4\r\n\"Banco\"=\"x\"\r\n", &error));
    EXPECT_TRUE(error.contains("before the first key header"));
    EXPECT_EQ(readAll(reg.hiveFilePath(HKCU)), before);
    EXPECT_EQ(settings.GetSetting("Cheque", "Banco", "none"), "none");
}

TEST_F(Regedit4Test, ReadsWhatEditorsWriteAroundTheFormat)
{
    const QByteArray script =
        "REGEDIT4  \n"
        "; saved by hand\n"
        "[hkey_current_user\\software\\vb and vba program settings\\tq\\Conf]   \n"
        "  \"Cor\" = \"4\"  \n"
        "\"\"=\"default\"\n"
        "\"Sons\"=DWORD:FF\n"
        "[HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\TQ\\Conf]\n"
        "\"cor\"=\"2\"";
    ASSERT_TRUE(importRegedit4(reg, script, &error)) << error.toStdString();
    EXPECT_EQ(settings.GetSetting("Conf", "Cor"), "2");
    EXPECT_EQ(settings.GetSetting("Conf", ""), "default");
    EXPECT_EQ(settings.GetSetting("Conf", "Sons"), "255");
    EXPECT_EQ(reg.values(HKCU, kTQ + QStringLiteral("\\Conf")).size(), 3);
}

// A script a Linux editor saved in UTF-8, with its byte order mark or without, reads as
// the one in Windows-1252; a script that mixes the two, or says in UTF-8 what a script in
// Windows-1252 could not say again, does not read at that line.
TEST_F(Regedit4Test, ReadsAScriptSavedInUtf8AndRefusesOneThatMixesTheTwo)
{
    const QByteArray utf8 = fromAnsi(kBackup).toUtf8();
    for (const QByteArray& salvo : {utf8, "\xEF\xBB\xBF" + utf8}) {
        const auto script = readRegedit4(salvo, &error);
        ASSERT_TRUE(script) << error.toStdString();
        EXPECT_EQ(writeRegedit4(*script, &error), kBackup);
    }

    const struct {
        QByteArray bytes;
        int line;
    } refused[] = {
        {QByteArray(kBackup).replace("BANCO ", "JOS\xC3\x89 "), 5},
        {QByteArray(utf8).replace("BANCO ", "JOS\xC9 "), 5},
        {QByteArray(utf8).replace("BANCO ", "\xE2\x9C\x93 "), 5},  // no Windows-1252 character
        {QByteArray(utf8).replace("BANCO ", "\xC3\x83\xC2\xA9 "), 5},  // in Windows-1252 bytes, UTF-8
    };
    for (const auto& c : refused) {
        int line = 0;
        EXPECT_FALSE(readRegedit4(c.bytes, &error, &line)) << c.bytes.toStdString();
        EXPECT_EQ(line, c.line) << error.toStdString();
    }
}

TEST_F(Regedit4Test, ExportRefusesWhatTheScriptCouldNotRestore)
{
    const QString conf = kTQ + QStringLiteral("\\Conf");
    ASSERT_TRUE(reg.setValue(HKCU, conf, "ok", RegistryValue::string(QStringLiteral("ação €"))));
    ASSERT_TRUE(exportRegedit4(reg, HKCU, kTQ, &error));

    ASSERT_TRUE(reg.setValue(HKCU, conf, "Banco", RegistryValue::string(QStringLiteral("Modelo ✓"))));
    EXPECT_FALSE(exportRegedit4(reg, HKCU, kTQ, &error));
    EXPECT_TRUE(error.contains("\"Banco\"") && error.contains("Windows-1252")) << error.toStdString();

    // Windows-1252 bytes that a reader would take for UTF-8 ("é" in two bytes).
    ASSERT_TRUE(reg.setValue(HKCU, conf, "Banco", RegistryValue::string(QStringLiteral("Ã©"))));
    EXPECT_FALSE(exportRegedit4(reg, HKCU, kTQ, &error));
    EXPECT_TRUE(error.contains("\"Banco\"")) << error.toStdString();

    ASSERT_TRUE(reg.setValue(HKCU, conf, "Banco", RegistryValue::string(QStringLiteral("two\r\nlines"))));
    EXPECT_FALSE(exportRegedit4(reg, HKCU, kTQ, &error));
    EXPECT_TRUE(error.contains("line break")) << error.toStdString();

    const QString file = tmp.filePath(QStringLiteral("out.reg"));
    EXPECT_FALSE(exportRegedit4File(reg, HKCU, kTQ, file, &error));
    EXPECT_FALSE(QFileInfo::exists(file));
}

}  // namespace
