#pragma once

// An interest window's fields as plain texts, recording every write and the search marker.

#include "interest/calculojuro.h"
#include "support/texto.h"

#include <QMap>
#include <QStringList>

namespace tarvelo::teste {

struct FormularioFalso : FormularioJuro {
    QMap<CampoJuro, QString> campos;
    QStringList escritas;  // "campo=texto", in order
    bool buscando = false;
    int tentativas = 0;
    QString texto(CampoJuro campo) const override { return campos.value(campo); }
    // Like a field, a write of the same text changes nothing.
    void escrever(CampoJuro campo, const QString& texto) override
    {
        if (campos.value(campo) == texto)
            return;
        campos[campo] = texto;
        escritas << QString::number(int(campo)) + QLatin1Char('=') + texto;
    }
    void definirBuscando(bool b) override { buscando = b; }
    void tentativa() override { ++tentativas; }
};

}  // namespace tarvelo::teste
