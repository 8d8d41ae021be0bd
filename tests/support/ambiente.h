#pragma once

// The process environment changed for one test.

#include <QByteArray>
#include <QFile>
#include <QString>

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

}  // namespace tarvelo::teste
