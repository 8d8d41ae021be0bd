#include "platform/rawport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarvelo;
using namespace std::chrono_literals;

namespace {

TEST(RawPort, PortNamesMapToTheirDevicesUnlessTheEnvironmentNamesAnother)
{
    QProcessEnvironment env;
    env.insert("TARVELO_PORT_COM2", "/tmp/printer");
    const std::pair<const char*, const char*> casos[] = {
        {"LPT1", "/dev/lp0"},   {"LPT2", "/dev/lp1"},   {"COM1", "/dev/ttyS0"},
        {"COM2", "/tmp/printer"}, {"COM3", "/dev/ttyS2"}, {"COM4", "/dev/ttyS3"},
        {"lpt1", ""},           {"LPT3", ""},           {"COM5", ""},
        {" COM1", ""},          {"", ""},
    };
    for (const auto& [nome, dispositivo] : casos)
        EXPECT_EQ(rawPortDevice(QString::fromLatin1(nome), env), QString::fromLatin1(dispositivo)) << nome;
}

class PortaArquivo : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString file = dir.filePath("lp");
    DeviceRawPort port{environment(file)};

    static QProcessEnvironment environment(const QString& path)
    {
        QProcessEnvironment env;
        env.insert("TARVELO_PORT_LPT1", path);
        return env;
    }
    QByteArray contents() const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(PortaArquivo, BytesGoOutUnchangedAndAReopenedPortAppends)
{
    { QFile f(file); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); }
    ASSERT_TRUE(port.open("LPT1"));
    EXPECT_TRUE(port.write(QByteArray("A\xD7\r\n", 4)));
    port.close();
    ASSERT_TRUE(port.open("LPT1"));
    EXPECT_TRUE(port.write("B\r\n"));
    port.close();
    EXPECT_EQ(contents(), QByteArray("A\xD7\r\nB\r\n", 7));
}

TEST_F(PortaArquivo, AMissingDeviceIsNeverCreatedAndNothingIsWrittenUnopened)
{
    EXPECT_FALSE(port.open("LPT1"));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(port.write("x"));
    EXPECT_FALSE(port.open("LPT3"));
}

TEST_F(PortaArquivo, APortThatTakesNothingFailsWithinTheTimeout)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    EXPECT_FALSE(port.open("LPT1")) << "a FIFO nobody reads: the printer is not there";

    // A reader that never reads: the pipe fills up and the port stops taking bytes.
    const int reader = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(port.open("LPT1"));
    port.setWriteTimeout(300ms);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(port.write(QByteArray(4 * 1024 * 1024, 'x')));
    EXPECT_LT(clock.elapsed(), 5000);

    ::close(reader);
    port.close();
}

TEST_F(PortaArquivo, APortWhoseReaderWentAwayFailsWithoutKillingTheProgram)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ASSERT_TRUE(port.open("LPT1"));
    ::close(reader);
    EXPECT_FALSE(port.write("line\r\n"));  // SIGPIPE would end the test program here
    port.close();
}

}  // namespace
