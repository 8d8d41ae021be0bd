#include "programateste.h"


namespace tarvelo::teste {

RelogioFalso relogioDoPrograma()
{
    RelogioFalso relogio;
    relogio.agora = QDateTime(QDate(2025, 3, 5), QTime(10, 0, 0));
    return relogio;
}

Usuario::Usuario(const QString& pasta_) : pasta(pasta_ + QLatin1Char('/')), registro(pasta + QStringLiteral("registry"))
{
}

namespace {

Globais globaisDoTeste(const QString& pasta, const QString& comando)
{
    Globais g;
    g.gPastaApp = pasta;
    g.gComando = comando;
    g.gDecimal = QStringLiteral(",");
    g.gFormatoData = QStringLiteral("dd/mm/yyyy");
    g.gIdioma = 1;
    return g;
}

}  // namespace

ServicosHost servicosHost(Usuario& usuario)
{
    ServicosHost servicos;
    SettingsStore* configuracoes = &usuario.configuracoes;
    servicos.GetSetting = [configuracoes](const QString& secao, const QString& chave, const QString& padrao) {
        return configuracoes->GetSetting(secao, chave, padrao);
    };
    servicos.relogio = std::make_shared<RelogioFalso>(relogioDoPrograma());
    QProcessEnvironment ambiente;
    ambiente.insert(QStringLiteral("TARVELO_HOME"), usuario.pasta);
    servicos.ambiente = ambiente;
    servicos.nomeCanal = usuario.pasta + QStringLiteral("canal");
    servicos.esperaFechamentoMs = 5000;
    servicos.bandejaDisponivel = [] { return false; };
    return servicos;
}

Programa::Programa(Usuario& u, const QString& comando)
    : usuario(u), escopoRegistro(u.registro), globais_(globaisDoTeste(u.pasta, comando))
{
    host = std::make_unique<frmSysTray>(janelas, servicosHost(usuario));
    QObject::connect(host.get(), &frmSysTray::descarregado, [this] { ++descarregamentos; });

    const ServicosJanela servicos{clipboard, mensagens, entrada,  arquivos,      shell,   midi,
                                  teclas,    relogio,   usuario.configuracoes, numLock, QStringLiteral("/bin/false")};
    shell.comeca = false;
    teclas.disponivel = false;
    calculadora = std::make_unique<CalculadoraPadrao>(*host, janelas, servicos);
}

Programa::~Programa()
{
    // What is still open ends as at the program's end, without its close handling.
    calculadora.reset();
    host.reset();
}

JanelaCalcula& Programa::abrir()
{
    calculadora->Show();
    esperarAte([this] { return janela() && form().JaAtivado; });
    return *janela();
}

}  // namespace tarvelo::teste
