#include "platform/autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

QProcessEnvironment ambiente(std::initializer_list<std::pair<const char*, QString>> valores)
{
    QProcessEnvironment env;
    for (const auto& [nome, valor] : valores)
        env.insert(nome, valor);
    return env;
}

TEST(Autostart, TheEntryLivesUnderTarveloHomeOrTheXdgConfigFolder)
{
    EXPECT_EQ(AutostartEntry(ambiente({{"TARVELO_HOME", "/p"}, {"XDG_CONFIG_HOME", "/x"}})).path(),
              "/p/autostart/tarvelo.desktop");
    EXPECT_EQ(AutostartEntry(ambiente({{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}})).path(),
              "/x/autostart/tarvelo.desktop");
    EXPECT_EQ(AutostartEntry(ambiente({{"XDG_CONFIG_HOME", "rel"}, {"HOME", "/h"}})).path(),
              "/h/.config/autostart/tarvelo.desktop");
}

TEST(Autostart, ExecQuotesTheProgramPathWithTheDesktopEntryEscapes)
{
    const std::pair<QString, QString> casos[] = {
        {"/usr/bin/tarvelo", R"("/usr/bin/tarvelo" systray)"},
        {"/opt/My Apps/tarvelo", R"("/opt/My Apps/tarvelo" systray)"},
        {R"(/o/a"b$c`d\e%f)", R"("/o/a\\"b\\$c\\`d\\\\e%%f" systray)"},
    };
    for (const auto& [programa, exec] : casos)
        EXPECT_EQ(AutostartEntry::execLine(programa), exec);
}

TEST(Autostart, CreateWritesTheEntryAndRemoveTakesItAway)
{
    QTemporaryDir dir;
    const AutostartEntry entry(ambiente({{"TARVELO_HOME", dir.path()}}));
    EXPECT_TRUE(entry.remove()) << "nothing to remove is no failure";

    ASSERT_TRUE(entry.create("/opt/My Apps/tarvelo"));
    QFile f(entry.path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    f.close();
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=\"/opt/My Apps/tarvelo\" systray\n")) << text.toStdString();
    EXPECT_EQ(QDir(dir.filePath("autostart")).entryList(QDir::Files), QStringList{"tarvelo.desktop"})
        << "no temporary file left behind";

    EXPECT_TRUE(entry.remove());
    EXPECT_FALSE(entry.exists());
}

TEST(Autostart, APathThatCannotBeWrittenOnAnExecLineIsRefused)
{
    QTemporaryDir dir;
    const AutostartEntry entry(ambiente({{"TARVELO_HOME", dir.path()}}));
    EXPECT_FALSE(entry.create("/tmp/evil\nExec=rm -rf ~"));
    EXPECT_FALSE(entry.create(""));
    EXPECT_FALSE(entry.exists());
}

}  // namespace
