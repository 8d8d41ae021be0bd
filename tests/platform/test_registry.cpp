#include "platform/registry.h"

#include "support/ambiente.h"
#include "support/arquivos.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "registry_printers.h"

using namespace tarvelo;
using tarvelo::teste::modoDe;
using tarvelo::teste::UmaskTrocada;

namespace {

const Hive HKCU = Hive::CurrentUser;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString text(Registry& reg, Hive hive, const QString& path, const QString& name)
{
    const auto v = reg.value(hive, path, name);
    return v ? v->toText() : QStringLiteral("<missing>");
}

class RegistryTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString folder = tmp.filePath(QStringLiteral("registry"));
    Registry reg{folder};
};

TEST_F(RegistryTest, CreatesParentsAndFindsNamesInAnyCaseKeepingTheirSpelling)
{
    ASSERT_TRUE(reg.setValue(HKCU, QStringLiteral("Software\\Tarvelo\\Cheque"), QStringLiteral("lblMêsL"),
                             RegistryValue::string(QStringLiteral("120"))));
    EXPECT_TRUE(reg.keyExists(HKCU, u"SOFTWARE\\tarvelo"));
    EXPECT_EQ(reg.subKeyNames(HKCU, u"software"), QStringList{QStringLiteral("Tarvelo")});
    EXPECT_EQ(text(reg, HKCU, QStringLiteral("software\\TARVELO\\cheque"), QStringLiteral("LBLMÊSL")), "120");

    // Writing through other spellings changes the value and adds keys under the stored names.
    ASSERT_TRUE(reg.setValue(HKCU, QStringLiteral("SOFTWARE\\TARVELO\\CHEQUE"), QStringLiteral("LBLMÊSL"),
                             RegistryValue::string(QStringLiteral("130"))));
    ASSERT_TRUE(reg.createKey(HKCU, u"software\\tarvelo\\Conf"));
    const auto values = reg.values(HKCU, u"Software\\Tarvelo\\Cheque");
    ASSERT_EQ(values.size(), 1);
    EXPECT_EQ(values[0].name, QStringLiteral("lblMêsL"));
    EXPECT_EQ(values[0].value.text, QStringLiteral("130"));
    EXPECT_EQ(reg.subKeyNames(HKCU, u"Software\\Tarvelo"), (QStringList{"Cheque", "Conf"}));
    EXPECT_NE(reg.snapshot(HKCU).find(u"Software\\Tarvelo\\Conf"), nullptr);
    EXPECT_EQ(reg.snapshot(HKCU).find(u"software\\tarvelo\\conf")->path, QStringLiteral("Software\\Tarvelo\\Conf"));
    EXPECT_FALSE(reg.keyExists(Hive::LocalMachine, u"Software"));
}

TEST_F(RegistryTest, EveryValueSurvivesTheFile)
{
    const QString key = QStringLiteral("Software\\Ação \"x\"\\Çê");
    const QList<NamedRegistryValue> table = {
        {"empty", RegistryValue::string("")},
        {"quotes", RegistryValue::string(QStringLiteral("say \"hi\" to C:\\dir\\"))},
        {"lines", RegistryValue::string(QStringLiteral("one\r\ntwo\nthree\r"))},
        {"accents", RegistryValue::string(QStringLiteral("ação ç ê € ✓"))},
        {"blanks", RegistryValue::string(QStringLiteral("  x\t "))},
        {"nul", RegistryValue::string(QString::fromUtf16(u"a\0b", 3))},
        {"escapes", RegistryValue::string(QStringLiteral("\\r is not \\n; \\\""))},
        {"zero", RegistryValue::number(0)},
        {"max", RegistryValue::number(0xFFFFFFFFu)},
        {"", RegistryValue::string(QStringLiteral("default"))},
        {QStringLiteral("odd \"name\" \\ =@"), RegistryValue::string(QStringLiteral("@"))},
    };
    for (const auto& v : table)
        ASSERT_TRUE(reg.setValue(HKCU, key, v.name, v.value)) << v.name.toStdString();
    ASSERT_TRUE(reg.setValue(HKCU, QString(), QStringLiteral("atRoot"), RegistryValue::number(7)));

    Registry again(folder);
    EXPECT_EQ(again.values(HKCU, key), table);
    EXPECT_EQ(again.value(HKCU, u"", u"atroot"), RegistryValue::number(7));
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubkeysButNotItsNamesakes)
{
    for (const char* k : {"TQ\\Cheque\\Sub", "TQ\\Cheque", "TQ\\Cheque1", "TQ\\Cheque 2"})
        ASSERT_TRUE(reg.setValue(HKCU, QString::fromUtf8(k), "v", RegistryValue::string("1")));
    ASSERT_TRUE(reg.deleteKey(HKCU, u"tq\\CHEQUE"));
    EXPECT_FALSE(reg.keyExists(HKCU, u"TQ\\Cheque"));
    EXPECT_FALSE(reg.keyExists(HKCU, u"TQ\\Cheque\\Sub"));
    EXPECT_EQ(reg.subKeyNames(HKCU, u"TQ"), (QStringList{"Cheque1", "Cheque 2"}));

    EXPECT_TRUE(reg.deleteValue(HKCU, u"TQ\\Cheque1", u"V"));
    EXPECT_FALSE(reg.value(HKCU, u"TQ\\Cheque1", u"v"));
    EXPECT_TRUE(reg.keyExists(HKCU, u"TQ\\Cheque1"));
    EXPECT_TRUE(reg.deleteValue(HKCU, u"TQ\\Nowhere", u"v"));  // nothing to delete is no failure
    EXPECT_TRUE(reg.deleteKey(HKCU, u"TQ\\Nowhere"));
    EXPECT_FALSE(reg.deleteKey(HKCU, u""));  // a hive is not a key

    EXPECT_EQ(Registry(folder).subKeyNames(HKCU, u"TQ"), (QStringList{"Cheque1", "Cheque 2"}));
}

TEST_F(RegistryTest, RefusesInvalidNamesAndWritesNothing)
{
    const QStringList badPaths = {
        QStringLiteral("a\\\\b"), QStringLiteral("\\a"), QStringLiteral("a\\"), QStringLiteral("a\nb"),
        QStringLiteral("a\\").repeated(33) + u'a',           // 34 levels
        QString(256, u'x'), QString(600, u'x'),
    };
    for (const QString& path : badPaths) {
        EXPECT_FALSE(reg.createKey(HKCU, path)) << path.left(40).toStdString();
        EXPECT_FALSE(reg.setValue(HKCU, path, "v", RegistryValue::string("1")));
    }
    EXPECT_FALSE(reg.setValue(HKCU, u"ok", QString(kMaxValueNameLength + 1, u'n'), RegistryValue::string("1")));
    EXPECT_FALSE(reg.setValue(HKCU, u"ok", "v", RegistryValue::string(QString(kMaxValueDataLength + 1, u'd'))));

    // Reading missing things creates nothing either.
    EXPECT_FALSE(reg.value(HKCU, u"Software", u"v"));
    EXPECT_TRUE(reg.values(HKCU, u"Software").isEmpty());
    EXPECT_TRUE(reg.subKeyNames(HKCU, u"").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(RegistryTest, TwoInstancesSeeAndKeepEachOthersWrites)
{
    // Each instance caches its hives, as two running copies of the program do.
    Registry other(folder);
    EXPECT_FALSE(reg.value(HKCU, u"Conf", u"b"));
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(reg.setValue(HKCU, u"Conf", QStringLiteral("a%1").arg(i), RegistryValue::number(i)));
        ASSERT_TRUE(other.setValue(HKCU, u"Conf", QStringLiteral("b%1").arg(i), RegistryValue::number(i)));
        ASSERT_EQ(reg.value(HKCU, u"Conf", QStringLiteral("b%1").arg(i)), RegistryValue::number(i));
    }
    ASSERT_TRUE(reg.deleteValue(HKCU, u"Conf", u"b0"));
    EXPECT_FALSE(other.value(HKCU, u"Conf", u"b0"));
    EXPECT_EQ(Registry(folder).values(HKCU, u"Conf").size(), 39);
}

TEST_F(RegistryTest, ADamagedFileIsReadAsFarAsItGoesAndKeptBeforeTheRewrite)
{
    QDir().mkpath(folder);
    const QString file = reg.hiveFilePath(HKCU);
    const QByteArray damaged =
        "[HKEY_CURRENT_USER\\Conf]\n"
        "\"Idioma\"=\"2\"\n"
        "\"Cut\"=\"no closing quote\n"
        "\x01\xFF garbage \xC3\n"
        "\"Bad\"=\"C:\\pasta\"\n"
        "[HKEY_LOCAL_MACHINE\\Conf]\n"
        "\"Elsewhere\"=\"1\"\n"
        "[HKEY_CURRENT_USER\\Conf\\\\Empty part]\n"
        "\"Orphan\"=\"1\"\n"
        "\"Dw\"=dword:123456789\n"
        "[HKEY_CURRENT_USER\\Cheque]\r\n"
        "  \"Banco\" = \"Modelo 1\"  \r\n"
        "\"Count\"=dword:A\n"
        "[HKEY_CURRENT_USER\\Conf]\n"
        "\"Cor\"=\"3\"";  // no final line break
    writeAll(file, damaged);

    EXPECT_EQ(text(reg, HKCU, "Conf", "Idioma"), "2");
    EXPECT_EQ(text(reg, HKCU, "Conf", "Cor"), "3");
    EXPECT_EQ(text(reg, HKCU, "Cheque", "Banco"), "Modelo 1");
    EXPECT_EQ(text(reg, HKCU, "Cheque", "Count"), "10");
    EXPECT_EQ(reg.values(HKCU, u"Conf").size(), 2);
    EXPECT_FALSE(reg.keyExists(HKCU, u"Conf\\Empty part"));

    ASSERT_TRUE(reg.setValue(HKCU, u"Conf", "Sons", RegistryValue::string("2")));
    const QStringList kept = QDir(folder).entryList({"*.damaged-*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readAll(QDir(folder).filePath(kept[0])), damaged);

    Registry fresh(folder);
    EXPECT_EQ(text(fresh, HKCU, "Conf", "Idioma"), "2");
    EXPECT_EQ(text(fresh, HKCU, "Conf", "Sons"), "2");
    EXPECT_EQ(text(fresh, HKCU, "Cheque", "Banco"), "Modelo 1");
    ASSERT_TRUE(fresh.setValue(HKCU, u"Conf", "Sons", RegistryValue::string("3")));
    EXPECT_EQ(QDir(folder).entryList({"*.damaged-*"}, QDir::Files).size(), 1);  // clean now
}

TEST_F(RegistryTest, AnOversizedFileIsCutAtTheLimit)
{
    QDir().mkpath(folder);
    QByteArray big = "[HKEY_CURRENT_USER\\Conf]\n\"Idioma\"=\"3\"\n";
    big += QByteArray(kMaxRegistryFileBytes, ';');
    big += "\n\"Late\"=\"1\"\n";
    writeAll(reg.hiveFilePath(HKCU), big);

    EXPECT_EQ(text(reg, HKCU, "Conf", "Idioma"), "3");
    EXPECT_FALSE(reg.value(HKCU, u"Conf", u"Late"));
    ASSERT_TRUE(reg.setValue(HKCU, u"Conf", "Cor", RegistryValue::string("1")));
    EXPECT_EQ(QDir(folder).entryList({"*.damaged-*"}, QDir::Files).size(), 1);
    EXPECT_LT(QFileInfo(reg.hiveFilePath(HKCU)).size(), 200);
}

QByteArray utf16(const QByteArray& utf8, QStringConverter::Encoding encoding, bool mark)
{
    QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(QString::fromUtf8(utf8));
}

// Every kind of damage a settings file meets at start: the values that read stay, the file
// is kept aside with its bytes and the user is told once; the file reads whole after.
TEST(RegistryRepair, KeepsWhatReadsAndTheDamagedFileAsideAndTellsOnce)
{
    const QByteArray sound = "; Tarvelo registry, HKEY_CURRENT_USER, UTF-8\n"
                             "[HKEY_CURRENT_USER\\Conf]\n\"Idioma\"=\"2\"\n"
                             "[HKEY_CURRENT_USER\\Cheque8]\r\n\"Banco\"=\"Modelo 8 é\"\r\n";
    QByteArray over = sound;
    while (over.size() <= kMaxRegistryFileBytes)
        over += "; filler\n";
    over += "\"Late\"=\"1\"\n";
    const struct Case {
        const char* name;
        QByteArray bytes;
        bool read;     // the two values read
        bool damaged;  // kept aside and told
    } cases[] = {
        {"sound", sound, true, false},
        {"garbage", QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\xff\xd8\xff\xe0", 20) + QByteArray(3000, '\xAA'), false, true},
        {"UTF-16 with its mark", utf16(sound, QStringConverter::Utf16LE, true), true, false},
        {"UTF-16 big-endian without a mark", utf16(sound, QStringConverter::Utf16BE, false), true, false},
        {"UTF-16 with a broken character", utf16(sound, QStringConverter::Utf16LE, true) + QByteArray("\x00\xDC\x0A\x00", 4), true, true},
        {"a cut line", sound + "\"Cor\"=\"3", true, true},
        {"foreign keys", sound + "[HKEY_LOCAL_MACHINE\\Software\\Policies]\n\"NoRun\"=dword:00000001\n", true, true},
        {"over the size limit", over, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("registry"));
        ASSERT_TRUE(QDir().mkpath(folder));
        Registry reg(folder);
        const QString file = reg.hiveFilePath(HKCU);
        writeAll(file, c.bytes);
        QStringList told;
        reg.onDamagedFileKept = [&told](const QString& damaged, const QString& keptAs) { told << damaged << keptAs; };

        EXPECT_TRUE(reg.repair(HKCU));
        EXPECT_TRUE(reg.repair(HKCU));
        Registry later(folder);
        later.onDamagedFileKept = reg.onDamagedFileKept;
        EXPECT_TRUE(later.repair(HKCU));

        EXPECT_EQ(text(later, HKCU, "Conf", "Idioma"), c.read ? "2" : "<missing>");
        EXPECT_EQ(text(later, HKCU, "Cheque8", "Banco"), c.read ? QStringLiteral("Modelo 8 é") : QStringLiteral("<missing>"));
        EXPECT_FALSE(later.value(HKCU, u"Conf", u"Late"));
        const QStringList kept = QDir(folder).entryList({"*.damaged-*"}, QDir::Files);
        if (!c.damaged) {
            EXPECT_TRUE(kept.isEmpty());
            EXPECT_TRUE(told.isEmpty());
            continue;
        }
        ASSERT_EQ(kept.size(), 1);
        EXPECT_EQ(readAll(QDir(folder).filePath(kept[0])), c.bytes);
        EXPECT_EQ(told, (QStringList{file, QDir(folder).filePath(kept[0])}));
        HiveFileReport report;
        readHiveFile(readAll(file), HKCU, &report);
        EXPECT_FALSE(report.damaged());
    }
}

TEST(RegistryFolder, IsTheUsersAloneAndSoIsEveryFileInIt)
{
    QTemporaryDir tmp;
    UmaskTrocada umask(022);
    const QString made = tmp.filePath(QStringLiteral("config/tarvelo"));
    Registry fresh(made);
    EXPECT_TRUE(fresh.setValue(HKCU, u"Conf", "Cor", RegistryValue::string("2")));
    // The lock file lives only while a write holds it.
    const QString lock = fresh.hiveFilePath(HKCU) + QStringLiteral(".lock");
    mode_t lockMode = 0;
    EXPECT_TRUE(fresh.update(HKCU, [&](HiveData& data) {
        lockMode = modoDe(lock);
        return data.create(u"Conf")->set(QStringLiteral("Cor"), RegistryValue::string("3"));
    }));

    const QString wide = tmp.filePath(QStringLiteral("wide"));
    ASSERT_TRUE(QDir().mkpath(wide));
    ASSERT_EQ(::chmod(QFile::encodeName(wide).constData(), 0755), 0);
    writeAll(wide + QStringLiteral("/HKEY_CURRENT_USER.reg"), "\"garbage");
    Registry narrowed(wide);
    EXPECT_TRUE(narrowed.setValue(HKCU, u"Conf", "Cor", RegistryValue::string("2")));

    EXPECT_EQ(modoDe(tmp.filePath(QStringLiteral("config"))), 0700u);
    EXPECT_EQ(modoDe(made), 0700u);
    EXPECT_EQ(modoDe(fresh.hiveFilePath(HKCU)), 0600u);
    EXPECT_EQ(lockMode, 0600u);
    EXPECT_EQ(modoDe(wide), 0700u);
    const QStringList kept = QDir(wide).entryList({"*.damaged-*"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(modoDe(QDir(wide).filePath(kept[0])), 0600u);
}

TEST_F(RegistryTest, AWriteThatCannotHappenReportsFailureAndKeepsTheFile)
{
    // The folder is a plain file: nothing can be created in it.
    writeAll(folder, "not a folder");
    EXPECT_FALSE(reg.setValue(HKCU, u"Conf", "Cor", RegistryValue::string("1")));
    EXPECT_EQ(readAll(folder), "not a folder");

    // An unreadable hive (here a folder in its place) is never overwritten.
    QTemporaryDir other;
    Registry blocked(other.path());
    QDir().mkpath(blocked.hiveFilePath(HKCU));
    EXPECT_FALSE(blocked.setValue(HKCU, u"Conf", "Cor", RegistryValue::string("1")));
    EXPECT_TRUE(QFileInfo(blocked.hiveFilePath(HKCU)).isDir());
    EXPECT_FALSE(blocked.value(HKCU, u"Conf", u"Cor"));
}

TEST(HiveFile, RewritingWhatWasReadGivesTheSameText)
{
    HiveData data;
    data.create(u"Software\\Empty leaf");
    data.create(u"Software\\B")->set("x", RegistryValue::number(0xa));
    data.create(u"")->set("", RegistryValue::string("root"));
    data.create(u"Software")->set("late", RegistryValue::string("v"));
    const QByteArray once = writeHiveFile(data, HKCU);
    EXPECT_EQ(once,
              "; Tarvelo registry, HKEY_CURRENT_USER, UTF-8\n"
              "\n[HKEY_CURRENT_USER\\Software]\n\"late\"=\"v\"\n"
              "\n[HKEY_CURRENT_USER\\Software\\Empty leaf]\n"
              "\n[HKEY_CURRENT_USER\\Software\\B]\n\"x\"=dword:0000000a\n"
              "\n[HKEY_CURRENT_USER]\n@=\"root\"\n");
    HiveFileReport report;
    EXPECT_EQ(writeHiveFile(readHiveFile(once, HKCU, &report), HKCU), once);
    EXPECT_FALSE(report.damaged());
}

// A helper process that writes settings through its own Registry (see
// tests/platform/helpers/registry_writer.cpp).
TEST(RegistryProcesses, ConcurrentWritersKeepEveryValue)
{
    QTemporaryDir tmp;
    const QString folder = tmp.filePath(QStringLiteral("registry"));
    const QString go = tmp.filePath(QStringLiteral("go"));
    constexpr int kEach = 30;

    Registry mine(folder);
    EXPECT_FALSE(mine.value(HKCU, u"Software\\VB and VBA Program Settings\\TQ\\Conf", u"first0"));

    QList<QProcess*> children;
    for (const char* prefix : {"first", "second"}) {
        auto* p = new QProcess;
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(QStringLiteral(TARVELO_REGISTRY_WRITER),
                 {folder, QString::fromLatin1(prefix), QString::number(kEach), go});
        ASSERT_TRUE(p->waitForStarted(10000));
        children.append(p);
    }
    writeAll(go, "");  // all start writing at once
    for (int i = 0; i < kEach; ++i)
        ASSERT_TRUE(mine.setValue(HKCU, u"Software\\VB and VBA Program Settings\\TQ\\Conf",
                                  QStringLiteral("parent%1").arg(i), RegistryValue::string(QString::number(i))));
    for (QProcess* p : children) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0);
        delete p;
    }

    // The parent's own instance sees the children's writes, as a fresh one does.
    Registry fresh(folder);
    for (Registry* reader : {&mine, &fresh}) {
        const auto values = reader->values(HKCU, u"Software\\VB and VBA Program Settings\\TQ\\Conf");
        EXPECT_EQ(values.size(), 3 * kEach);
        for (const char* prefix : {"parent", "first", "second"})
            for (int i = 0; i < kEach; ++i)
                EXPECT_EQ(text(*reader, HKCU, "Software\\VB and VBA Program Settings\\TQ\\Conf",
                               QStringLiteral("%1%2").arg(QLatin1StringView(prefix)).arg(i)),
                          QString::number(i))
                    << prefix << i;
    }
}

class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {}
    ~EnvGuard() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    void set(const char* value) { value ? qputenv(name_, value) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

TEST(RegistryFolder, FollowsTarveloHomeThenXdgConfigHome)
{
    EnvGuard home("TARVELO_HOME"), xdg("XDG_CONFIG_HOME"), user("HOME");
    user.set("/home/ana");
    struct Case {
        const char* tarveloHome;
        const char* xdgConfigHome;
        const char* expected;
    };
    const Case cases[] = {
        {"/data/tv", "/cfg", "/data/tv/registry/"},
        {"/data/tv/", nullptr, "/data/tv/registry/"},
        {"", "/cfg", "/cfg/tarvelo/"},
        {nullptr, "/cfg/", "/cfg/tarvelo/"},
        {nullptr, nullptr, "/home/ana/.config/tarvelo/"},
        {nullptr, "relative/cfg", "/home/ana/.config/tarvelo/"},
    };
    for (const Case& c : cases) {
        home.set(c.tarveloHome);
        xdg.set(c.xdgConfigHome);
        EXPECT_EQ(registryFolder(), QString::fromUtf8(c.expected))
            << (c.tarveloHome ? c.tarveloHome : "-") << " " << (c.xdgConfigHome ? c.xdgConfigHome : "-");
    }
}

TEST(RegistryFolder, TheProgramsRegistryCanBeReplacedForAScope)
{
    QTemporaryDir tmp;
    Registry replacement(tmp.path());
    Registry* before = &registry();
    {
        ScopedRegistry scope(replacement);
        EXPECT_EQ(&registry(), &replacement);
    }
    EXPECT_EQ(&registry(), before);
}

}  // namespace
