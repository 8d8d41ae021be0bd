#pragma once

#include "support/esperar.h"

#include "host/ui/frmsystray.h"
#include "host/ui/janelas.h"
#include "support/falsos.h"

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tarvelo::teste {

// Every call the host makes on the windows, in order.
using Diario = QStringList;

class JanelaFalsa : public Janela {
public:
    JanelaFalsa(QString nome, Diario& diario, bool carregada = true)
        : nome_(std::move(nome)), diario_(diario), carregada_(carregada)
    {
    }
    bool Carregada() const override { return carregada_; }
    void Unload() override
    {
        diario_ << QStringLiteral("Unload:") + nome_;
        carregada_ = false;
    }

private:
    QString nome_;
    Diario& diario_;
    bool carregada_;
};

class CalculadoraFalsa : public JanelaCalculadora {
public:
    explicit CalculadoraFalsa(Diario& diario) : diario_(diario) {}
    // What the window's own close handling does after writing its state.
    std::function<void()> aoFechar;

    bool Carregada() const override { return carregada_; }
    void Unload() override
    {
        diario_ << QStringLiteral("Unload:frmCalcula");
        carregada_ = false;
        if (aoFechar)
            aoFechar();
    }
    void Show() override
    {
        diario_ << QStringLiteral("Show");
        carregada_ = true;
    }
    void Ativar() override { diario_ << QStringLiteral("Ativar"); }
    bool Visivel() const override { return carregada_; }
    void mnuTempo_Click() override { diario_ << QStringLiteral("mnuTempo_Click"); }
    void mnuJuro_Click() override { diario_ << QStringLiteral("mnuJuro_Click"); }
    void mnuPeso_Click() override { diario_ << QStringLiteral("mnuPeso_Click"); }
    void mnuData_Click() override { diario_ << QStringLiteral("mnuData_Click"); }
    void AbrirArquivo(const QString& caminho) override { diario_ << QStringLiteral("AbrirArquivo ") + caminho; }

private:
    Diario& diario_;
    bool carregada_ = false;
};

// Services of a host whose data folder is `pasta`: its own channel, a clock at 14:03:27,
// settings from the map, scripted boxes that answer No and Cancel, no desktop tray unless
// asked.
inline ServicosHost servicosDeTeste(const QString& pasta, QMap<QString, QString> configuracao = {},
                                    bool bandeja = false)
{
    ServicosHost s;
    s.GetSetting = [configuracao](const QString& secao, const QString& chave, const QString& padrao) {
        return configuracao.value(secao + QLatin1Char('/') + chave, padrao);
    };
    auto relogio = std::make_shared<RelogioFalso>();
    relogio->agora = QDateTime(QDate(2025, 3, 5), QTime(14, 3, 27));
    s.relogio = relogio;
    s.mensagens = std::make_shared<MensagensFalsas>();
    s.entrada = std::make_shared<EntradaFalsa>();
    s.energia = std::make_shared<EnergiaFalsa>();
    s.beep = [] {};
    QProcessEnvironment ambiente;
    ambiente.insert(QStringLiteral("TARVELO_HOME"), pasta);
    s.ambiente = ambiente;
    s.caminhoExe = QStringLiteral("/opt/Tarvelo 9/tarvelo");
    s.esperaFechamentoMs = 5000;
    s.bandejaDisponivel = [bandeja] { return bandeja; };
    return s;
}

// One copy of the program inside the test process: its globals, its window registry,
// a fake calculator and its host.
struct Copia {
    Copia(const QString& pasta, const QString& comando, QMap<QString, QString> configuracao = {}, bool bandeja = false)
        : calculadora(diario)
    {
        g.gComando = comando;
        relogio->agora = QDateTime(QDate(2025, 3, 5), QTime(14, 3, 27));
        janelas.registrar(QStringLiteral("frmCalcula"), &calculadora);
        ServicosHost s = servicosDeTeste(pasta, std::move(configuracao), bandeja);
        s.relogio = relogio;
        s.mensagens = mensagens;
        s.entrada = entrada;
        s.energia = energia;
        s.beep = [this] { ++beeps; };
        s.repararConfiguracoes = [this] { idiomasAoReparar << g.gIdioma; };
        host = std::make_unique<frmSysTray>(janelas, std::move(s), g);
        QObject::connect(host.get(), &frmSysTray::descarregado, [this] { ++descarregamentos; });
    }
    ~Copia()
    {
        host->Unload();
        janelas.remover(QStringLiteral("frmCalcula"), &calculadora);
    }

    Diario diario;
    std::shared_ptr<RelogioFalso> relogio = std::make_shared<RelogioFalso>();
    std::shared_ptr<MensagensFalsas> mensagens = std::make_shared<MensagensFalsas>();
    std::shared_ptr<EntradaFalsa> entrada = std::make_shared<EntradaFalsa>();
    std::shared_ptr<EnergiaFalsa> energia = std::make_shared<EnergiaFalsa>();
    int beeps = 0;
    QList<int> idiomasAoReparar;  // gIdioma at each repair of the settings
    Globais g;
    RegistroJanelas janelas;
    CalculadoraFalsa calculadora;
    std::unique_ptr<frmSysTray> host;
    int descarregamentos = 0;
};

}  // namespace tarvelo::teste
