#pragma once

// The process environment changed for one test, and programs of our own on PATH.

#include <QByteArray>
#include <QFile>
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
// was given and ends with `saida`.
class AbridorFalso {
public:
    explicit AbridorFalso(int saida) : caminho_("PATH", pasta_.path())
    {
        QFile script(pasta_.filePath(QStringLiteral("xdg-open")));
        if (!script.open(QIODevice::WriteOnly))
            return;
        script.write("#!/bin/sh\nprintf '%s' \"$1\" > '" + QFile::encodeName(arquivoAlvo()) + "'\nexit "
                     + QByteArray::number(saida) + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }

    // The target the opener was last given, empty while it never ran.
    QString alvo() const
    {
        QFile arquivo(arquivoAlvo());
        return arquivo.open(QIODevice::ReadOnly) ? QString::fromUtf8(arquivo.readAll()) : QString();
    }

private:
    QString arquivoAlvo() const { return pasta_.filePath(QStringLiteral("alvo")); }

    QTemporaryDir pasta_;
    VariavelTrocada caminho_;
};

}  // namespace tarvelo::teste
