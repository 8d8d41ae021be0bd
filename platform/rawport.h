#pragma once

#include <QByteArrayView>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <chrono>

namespace tarvelo {

// The ports a roll printer can hang on, by the names the user types.
inline const QStringList kRawPortNames = {QStringLiteral("LPT1"), QStringLiteral("LPT2"),
                                          QStringLiteral("COM1"), QStringLiteral("COM2"),
                                          QStringLiteral("COM3"), QStringLiteral("COM4")};

// The device file of a port: LPT1 and LPT2 are /dev/lp0 and /dev/lp1, COM1 to COM4 are
// /dev/ttyS0 to /dev/ttyS3, unless TARVELO_PORT_<name> (TARVELO_PORT_COM2, ...) names
// another file (a USB adapter, a spooler's FIFO, a file in a test). "" for any other
// name; the name must be exact, upper case.
QString rawPortDevice(QStringView name, const QProcessEnvironment& env);

// Raw bytes to a printer port. Every step says whether it worked: a port that is missing,
// switched off or stuck fails instead of hanging the program.
class RawPort {
public:
    virtual ~RawPort() = default;
    virtual bool open(const QString& name) = 0;
    // All the bytes or false; false also when the port is not open.
    virtual bool write(QByteArrayView bytes) = 0;
    virtual void close() = 0;
};

// A port on its device file. The file must exist (nothing is created); the bytes are
// appended. Writes wait at most the write timeout for the device to take them; a serial
// line is left at its speed but its output is made raw, so CR LF arrive unchanged.
class DeviceRawPort final : public RawPort {
public:
    explicit DeviceRawPort(QProcessEnvironment env = QProcessEnvironment::systemEnvironment());
    ~DeviceRawPort() override;
    DeviceRawPort(const DeviceRawPort&) = delete;
    DeviceRawPort& operator=(const DeviceRawPort&) = delete;

    void setWriteTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

    bool open(const QString& name) override;
    bool write(QByteArrayView bytes) override;
    void close() override;

private:
    bool fail();

    QProcessEnvironment env_;
    int fd_ = -1;
    bool stuck_ = false;
    std::chrono::milliseconds timeout_{10000};
};

}  // namespace tarvelo
