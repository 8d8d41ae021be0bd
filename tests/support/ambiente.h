#pragma once

// The process environment changed for one test, and programs of our own on PATH.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace tarvelo::teste {

// An environment variable changed for the life of the guard; a null value unsets it.
class VariavelTrocada {
public:
    VariavelTrocada(const char* nome, const QString& valor)
        : nome_(nome), antes_(qgetenv(nome)), havia_(qEnvironmentVariableIsSet(nome))
    {
        if (valor.isNull())
            qunsetenv(nome);
        else
            qputenv(nome, QFile::encodeName(valor));
    }
    ~VariavelTrocada()
    {
        if (havia_)
            qputenv(nome_, antes_);
        else
            qunsetenv(nome_);
    }
    VariavelTrocada(const VariavelTrocada&) = delete;
    VariavelTrocada& operator=(const VariavelTrocada&) = delete;

private:
    const char* nome_;
    QByteArray antes_;
    bool havia_;
};

// The process's umask changed for the life of the guard.
class UmaskTrocada {
public:
    explicit UmaskTrocada(mode_t mascara) : antes_(::umask(mascara)) {}
    ~UmaskTrocada() { ::umask(antes_); }
    UmaskTrocada(const UmaskTrocada&) = delete;
    UmaskTrocada& operator=(const UmaskTrocada&) = delete;

private:
    mode_t antes_;
};

// The desktop's opener as the only program on PATH: an xdg-open that notes the target it
// was given and ends with `saida`; a held one ends only once the test lets it go, so that
// the test sees what happens while it runs (or once the test has gone, or after a while, so
// that a failed test leaves none behind).
class AbridorFalso {
public:
    enum Fim { Logo, Retido };

    explicit AbridorFalso(int saida, Fim fim = Logo) : caminho_("PATH", pasta_.path())
    {
        QFile script(pasta_.filePath(QStringLiteral("xdg-open")));
        if (!script.open(QIODevice::WriteOnly))
            return;
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + QFile::encodeName(arquivoAlvo()) + "'\n");
        if (fim == Retido)
            script.write("n=0\nwhile [ $n -lt 3000 ] && [ -d '" + QFile::encodeName(pasta_.path()) + "' ] && [ ! -e '"
                         + QFile::encodeName(arquivoSolto()) + "' ]; do '" + QFile::encodeName(dormir_)
                         + "' 0.01; n=$((n + 1)); done\n");
        script.write("exit " + QByteArray::number(saida) + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }

    // The target the opener was last given, empty while it never ran.
    QString alvo() const
    {
        QFile arquivo(arquivoAlvo());
        return arquivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(arquivo.readAll()) : QString();
    }

    // Lets a held opener end.
    void soltar() const { QFile(arquivoSolto()).open(QIODevice::WriteOnly); }

    // Whether every opener the program started has ended and the program is done with it.
    static bool nenhumRodando() { return QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(); }

private:
    QString arquivoAlvo() const { return pasta_.filePath(QStringLiteral("alvo")); }
    QString arquivoSolto() const { return pasta_.filePath(QStringLiteral("solto")); }

    QTemporaryDir pasta_;
    // Looked up before PATH names only the opener's folder.
    const QString dormir_ = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    VariavelTrocada caminho_;
};

}  // namespace tarvelo::teste
