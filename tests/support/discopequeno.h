#pragma once

// A real, small file system for tests of a full disk: a tmpfs mounted on a temporary folder.
// Mounting needs root (as CI runs); elsewhere the test is skipped with the reason.

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace tarvelo::teste {

class DiscoPequeno {
public:
    // Mounts `kilobytes` of tmpfs; `motivo()` says why when it could not.
    explicit DiscoPequeno(int kilobytes = 64)
    {
        if (::geteuid() != 0) {
            motivo_ = "mounting a small file system needs root";
            return;
        }
        const std::string opcoes = "size=" + std::to_string(kilobytes) + "k,mode=0755";
        if (::mount("tmpfs", QFile::encodeName(pasta_.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    opcoes.c_str()) != 0) {
            motivo_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
            return;
        }
        montado_ = true;
    }
    ~DiscoPequeno()
    {
        if (montado_)
            ::umount2(QFile::encodeName(pasta_.path()).constData(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    bool montado() const { return montado_; }
    const std::string& motivo() const { return motivo_; }
    QString path() const { return pasta_.path(); }
    QString filePath(const QString& nome) const { return pasta_.filePath(nome); }

    // Takes every free block, so that the next write of any size fails with ENOSPC.
    void encher() const
    {
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral("enchimento"))).constData(),
                              O_WRONLY | O_CREAT | O_APPEND, 0600);
        ASSERT_GE(fd, 0);
        const char bloco[512] = {};
        while (::write(fd, bloco, sizeof bloco) > 0) {
        }
        // The last partial block too.
        while (::write(fd, bloco, 1) > 0) {
        }
        ::close(fd);
    }

private:
    QTemporaryDir pasta_;
    bool montado_ = false;
    std::string motivo_;
};

#define TARVELO_EXIGIR_DISCO_PEQUENO(disco)                  \
    if (!(disco).montado())                                  \
    GTEST_SKIP() << (disco).motivo()

}  // namespace tarvelo::teste
