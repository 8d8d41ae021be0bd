#pragma once

// The services of a tool window as recording fakes, in the Brazilian locale with its own
// settings store; a calculator port that records what the tool windows hand over.

#include "calc/portacalculadora.h"
#include "host/globais.h"
#include "host/ui/janelas.h"
#include "platform/localeinfo.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "support/esperar.h"
#include "support/falsos.h"
#include "support/texto.h"
#include "tools/ui/janelaferramenta.h"

#include <QStringList>
#include <QTemporaryDir>

#include <vector>

namespace tarvelo::teste {

struct PortaFalsa : PortaCalculadora {
    QStringList registros;  // AnexarFita
    QString fita;           // AcrescentarFita
    QStringList entradas;   // DefinirEntrada, in order
    bool numLock = false;
    QStringList diario;     // every call, in order
    void AnexarFita(const QString& registro) override
    {
        registros << registro;
        diario << QStringLiteral("AnexarFita");
    }
    void AcrescentarFita(const QString& texto) override
    {
        fita += texto;
        diario << QStringLiteral("AcrescentarFita");
    }
    void DefinirEntrada(const QString& numero) override
    {
        entradas << numero;
        diario << QStringLiteral("DefinirEntrada ") + numero;
    }
    bool NumLockMarcado() const override { return numLock; }
};

// The calculator window as the tool windows reach it: Ativar is what they call.
struct CalculadoraAtivada : JanelaCalculadora {
    int ativacoes = 0;
    bool Carregada() const override { return true; }
    void Unload() override {}
    void Show() override {}
    void Ativar() override { ++ativacoes; }
    bool Visivel() const override { return true; }
    void mnuTempo_Click() override {}
    void mnuJuro_Click() override {}
    void mnuPeso_Click() override {}
    void mnuData_Click() override {}
    void AbrirArquivo(const QString&) override {}
};

// Another window of the program.
class OutraJanela final : public QWidget, public Janela {
public:
    bool Carregada() const override { return isVisible(); }
    void Unload() override { close(); }
};

struct ServicosFalsos {
    ServicosFalsos()
    {
        mensagens.depois = mb::Ok;
        numLock.ligado = false;
        janelas.registrar(QStringLiteral("frmCalcula"), &calculadora);
    }

    ServicosFerramenta servicos()
    {
        return ServicosFerramenta{mensagens, entrada, relogio, configuracoes, numLock, porta, janelas,
                                  [this] { ++bipes; }};
    }

    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globais_;
    QTemporaryDir pasta;
    Registry registro{pasta.path()};
    SettingsStore configuracoes{registro};
    MensagensFalsas mensagens;
    EntradaFalsa entrada;
    RelogioFalso relogio;
    NumLockFalso numLock;
    PortaFalsa porta;
    CalculadoraAtivada calculadora;
    RegistroJanelas janelas;
    int bipes = 0;
};

}  // namespace tarvelo::teste
