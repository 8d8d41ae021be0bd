#include "platform/rawport.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <termios.h>
#include <unistd.h>

namespace tarvelo {
namespace {

using Clock = std::chrono::steady_clock;

// A reader that went away (a spooler's FIFO) raises SIGPIPE, whose default ends the
// process and would take the user's tape with it. The signal is held back for the write
// and a SIGPIPE it caused is taken off the thread before it is let through again.
class HeldSigpipe {
public:
    HeldSigpipe()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~HeldSigpipe()
    {
        if (!wasPending_) {
            sigset_t pending;
            sigpending(&pending);
            if (sigismember(&pending, SIGPIPE) == 1) {
                const timespec now{0, 0};
                while (sigtimedwait(&pipe_, nullptr, &now) == -1 && errno == EINTR) {
                }
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    HeldSigpipe(const HeldSigpipe&) = delete;
    HeldSigpipe& operator=(const HeldSigpipe&) = delete;

private:
    sigset_t pipe_;
    sigset_t previous_;
    bool wasPending_ = false;
};

void makeOutputRaw(int fd)
{
    termios settings;
    if (!isatty(fd) || tcgetattr(fd, &settings) != 0)
        return;
    settings.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    // No modem lines on a printer cable: without CLOCAL the port would wait for carrier.
    settings.c_cflag |= CLOCAL;
    tcsetattr(fd, TCSANOW, &settings);
}

}  // namespace

QString rawPortDevice(QStringView name, const QProcessEnvironment& env)
{
    static const QStringList devices = {
        QStringLiteral("/dev/lp0"),   QStringLiteral("/dev/lp1"),   QStringLiteral("/dev/ttyS0"),
        QStringLiteral("/dev/ttyS1"), QStringLiteral("/dev/ttyS2"), QStringLiteral("/dev/ttyS3"),
    };
    const qsizetype index = kRawPortNames.indexOf(name);
    if (index < 0)
        return {};
    const QString over = env.value(QStringLiteral("TARVELO_PORT_") + name.toString());
    return over.isEmpty() ? devices[index] : over;
}

DeviceRawPort::DeviceRawPort(QProcessEnvironment env) : env_(std::move(env)) {}

DeviceRawPort::~DeviceRawPort()
{
    close();
}

bool DeviceRawPort::open(const QString& name)
{
    close();
    const QString device = rawPortDevice(name, env_);
    if (device.isEmpty())
        return false;
    // Non-blocking: a parallel port with the printer off, or a FIFO nobody reads, would
    // otherwise block right here.
    const QByteArray path = QFile::encodeName(device);
    do {
        fd_ = ::open(path.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        return false;
    makeOutputRaw(fd_);
    return true;
}

bool DeviceRawPort::write(QByteArrayView bytes)
{
    if (fd_ < 0)
        return false;
    HeldSigpipe held;
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    const Clock::time_point deadline = Clock::now() + timeout_;
    while (left > 0) {
        const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (remaining.count() <= 0)
            return fail();
        // Short polls: the parallel-port driver answers every poll with "ready" and then
        // refuses the write while the printer is busy, so the loop has to pace itself.
        pollfd wait{fd_, POLLOUT, 0};
        const int step = static_cast<int>(std::min<long long>(remaining.count(), 50));
        const int ready = ::poll(&wait, 1, step);
        if (ready < 0 && errno != EINTR)
            return fail();
        if (ready <= 0)
            continue;
        if ((wait.revents & (POLLERR | POLLHUP | POLLNVAL)) && !(wait.revents & POLLOUT))
            return fail();
        const ssize_t written = ::write(fd_, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                return fail();
            const timespec pause{0, 20 * 1000 * 1000};
            nanosleep(&pause, nullptr);
            continue;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool DeviceRawPort::fail()
{
    stuck_ = true;
    return false;
}

void DeviceRawPort::close()
{
    if (fd_ < 0)
        return;
    // A serial port's close waits for its output to drain, up to half a minute; what a
    // dead printer did not take is dropped instead.
    if (stuck_ && isatty(fd_))
        tcflush(fd_, TCOFLUSH);
    ::close(fd_);
    fd_ = -1;
    stuck_ = false;
}

}  // namespace tarvelo
