// The window's menu bar and the option commands that belong to the window.

#include "mainwindow/janelacalcula.h"

#include "calc/iniciosessao.h"
#include "calc/sons.h"
#include "controls/menuwidgets.h"
#include "host/globais.h"
#include "host/sistema.h"
#include "host/texto.h"
#include "host/ui/frmsystray.h"
#include "mainwindow/ajudahotkeys.h"
#include "platform/autostart.h"
#include "platform/clipboard.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "tools/ui/ferramentas.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProxyStyle>

namespace tarvelo {
namespace {

// The window is narrow (the more so with small digits) and the style's roomy menu bar
// items would push the last menus behind a chevron: the items keep only a little room
// around their captions.
class EstiloBarraMenus final : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType tipo, const QStyleOption* opcao, const QSize& tamanho,
                           const QWidget* widget) const override
    {
        QSize s = QProxyStyle::sizeFromContents(tipo, opcao, tamanho, widget);
        if (tipo == CT_MenuBarItem)
            s.setWidth(tamanho.width() + 8);
        return s;
    }
    int pixelMetric(PixelMetric metrica, const QStyleOption* opcao, const QWidget* widget) const override
    {
        if (metrica == PM_MenuBarItemSpacing || metrica == PM_MenuBarHMargin)
            return 0;
        return QProxyStyle::pixelMetric(metrica, opcao, widget);
    }
};

}  // namespace

QAction* JanelaCalcula::item(QMenu* menu, const QString& nome, MenuItem& estado, const QString& legenda,
                             std::function<void()> comando, const QKeySequence& atalho, bool marcavel)
{
    QAction* acao = menu->addAction(legenda);
    acao->setObjectName(nome);
    acao->setShortcut(atalho);
    acao->setShortcutContext(Qt::WindowShortcut);
    acao->setCheckable(marcavel);
    if (estado.Caption().isEmpty())
        estado.setCaption(legenda);
    // A command that is not part of the program yet shows, greyed.
    if (!comando)
        estado.setEnabled(false);
    auto mostrar = [acao, &estado] {
        acao->setText(estado.Caption());
        acao->setChecked(estado.Checked());
        acao->setEnabled(estado.Enabled());
        acao->setVisible(estado.Visible());
    };
    connect(&estado, &Controle::mudou, acao, mostrar);
    mostrar();
    connect(acao, &QAction::triggered, this, [this, acao, &estado, comando = std::move(comando)] {
        // The tick is the handler's to change, not the click's.
        acao->setChecked(estado.Checked());
        if (comando)
            entrada(comando);
    });
    acoes_.insert(nome, acao);
    itens_.insert(nome, &estado);
    return acao;
}

QMenu* JanelaCalcula::submenu(QMenu* pai, const QString& nome, MenuItem& estado, const QString& legenda)
{
    auto* menu = new OwnerDrawnMenu(legenda, pai ? static_cast<QWidget*>(pai) : menuBar());
    pai ? pai->addMenu(menu) : menuBar()->addMenu(menu);
    menu->setObjectName(nome);
    menus_.insert(nome, menu);
    itens_.insert(nome, &estado);
    if (estado.Caption().isEmpty())
        estado.setCaption(legenda);
    ligarSubmenu(menu, estado);
    return menu;
}

void JanelaCalcula::ligarSubmenu(QMenu* menu, MenuItem& estado)
{
    QAction* acao = menu->menuAction();
    auto mostrar = [this, menu, acao, &estado] {
        menu->setTitle(estado.Caption());
        acao->setEnabled(estado.Enabled());
        acao->setVisible(estado.Visible());
        atualizarBarra();
    };
    connect(&estado, &Controle::mudou, menu, mostrar);
    mostrar();
}

void JanelaCalcula::grupoExclusivo(const QStringList& nomes)
{
    // One choice among the items, drawn as radio items. The ticks stay the handlers': after
    // a click each item shows its own tick again, whatever the group did to it.
    auto* grupo = new QActionGroup(this);
    grupo->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const QString& nome : nomes)
        grupo->addAction(acoes_.value(nome));
    connect(grupo, &QActionGroup::triggered, this, [this, nomes] {
        for (const QString& nome : nomes) {
            if (MenuItem* estado = itens_.value(nome))
                emit estado->mudou();
        }
    });
}

void JanelaCalcula::atualizarBarra()
{
    // The mini window hides all three menus and so has no menu bar at all.
    const bool alguma = mnu1.Visible() || mnuConfig.Visible() || mnu9.Visible();
    if (menuBar()->isVisibleTo(this) != alguma)
        menuBar()->setVisible(alguma);
}

void JanelaCalcula::criarMenus()
{
    setMenuBar(new OwnerDrawnMenuBar(this));
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    // Items the window draws itself keep the size it measures; the compact bar is for the rest.
    auto* estilo = new OwnerDrawStyle(new EstiloBarraMenus);
    estilo->setParent(menuBar());
    menuBar()->setStyle(estilo);
    const auto M = [](const char* nome) { return QString::fromLatin1(nome); };

    // ---- Opções ------------------------------------------------------------------------------
    QMenu* opcoes = submenu(nullptr, M("mnu1"), mnu1, QStringLiteral("&Opções"));
    connect(opcoes, &QMenu::aboutToShow, this, [this] { entrada([this] { form_.mnu1_Click(); }); });
    item(opcoes, M("mnuOutra"), mnuOutra, QStringLiteral("Abrir O&utra Calculadora Desta"),
         [this] { mnuOutra_Click(); }, Qt::Key_F6);
    item(opcoes, M("mnuWindows"), mnuWindows, QStringLiteral("&Abrir Calculadora da Área de Trabalho"),
         [this] { mnuWindows_Click(); }, Qt::Key_F7);
    opcoes->addSeparator();
    item(opcoes, M("mnuData"), mnuData, QStringLiteral("Calcular &Data"), [this] { mnuData_Click(); }, Qt::Key_F5);
    item(opcoes, M("mnuTempo"), form_.mnuTempo, QStringLiteral("Calcular Temp&o"), [this] { form_.mnuTempo_Click(); },
         Qt::Key_F8, true);
    item(opcoes, M("mnuJuro"), mnuJuro, QStringLiteral("Calcular &Juro Capitalizado"), [this] { mnuJuro_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_J));
    item(opcoes, M("mnuRegra"), mnuRegra, QStringLiteral("Calcular Regra de &Três"), [this] { mnuRegra_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_T));
    item(opcoes, M("mnuPeso"), mnuPeso, QStringLiteral("Calcula Peso Ideal (IMC)"), [this] { mnuPeso_Click(); },
         QKeySequence(Qt::SHIFT | Qt::Key_F5));
    opcoes->addSeparator();
    item(opcoes, M("mnuUndo"), form_.mnuUndo, QStringLiteral("Desfa&zer"), [this] { form_.mnuUndo_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_Z));
    item(opcoes, M("mnuRedo"), form_.mnuRedo, QStringLiteral("&Refazer"), [this] { form_.mnuRedo_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_R));
    opcoes->addSeparator();
    item(opcoes, M("mnuCopiar"), mnuCopiar, QStringLiteral("&Copiar o Visor Numérico"),
         [this] { form_.mnuCopiar_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_C));
    item(opcoes, M("mnuColar"), form_.mnuColar, QStringLiteral("Colar no &Visor"), [this] { form_.mnuColar_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_V));
    opcoes->addSeparator();
    item(opcoes, M("mnuExtenso"), mnuExtenso, QStringLiteral("Copiar o Visor por &Extenso"),
         [this] { form_.mnuExtenso_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_E));
    item(opcoes, M("mnuCheque"), mnuCheque, QStringLiteral("&Imprimir Cheque"),
         [this] { mnuCheque_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_I));
    item(opcoes, M("mnuPromissoria"), mnuPromissoria, QStringLiteral("Imprimir &Nota Promissória"),
         [this] { mnuPromissoria_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_N));
    item(opcoes, M("mnuConverte"), mnuConverte, QStringLiteral("Converter &Pesos e Medidas"),
         [this] { mnuConverte_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_O));
    opcoes->addSeparator();
    item(opcoes, M("mnuUtil"), mnuUtil, QStringLiteral("Utilitário&s"), [this] { host_.AbrirUtil(); });

    QMenu* fita = submenu(opcoes, M("mnuFita"), mnuFita, QStringLiteral("&Lista dos Cálculos (Fita)"));
    item(fita, M("mnuEditar"), form_.mnuEditar, QStringLiteral("&Editar"), [this] { form_.mnuEditar_Click(); },
         Qt::Key_F2, true);
    item(fita, M("mnuLocalizar"), mnuLocalizar, QStringLiteral("Locali&zar Texto ou Número"),
         [this] { form_.mnuLocalizar_Click(); }, Qt::Key_F3);
    item(fita, M("mnuLimpar"), mnuLimpar, QStringLiteral("&Limpar (apagar cálculos)"),
         [this] { form_.mnuLimpar_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_L));
    item(fita, M("mnuAgrupar"), mnuAgrupar, QStringLiteral("&Agrupar o Total das Capitalizações"),
         [this] { form_.mnuAgrupar_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_A));
    item(fita, M("mnuSalvar"), mnuSalvar, QStringLiteral("&Salvar em Arquivo"), [this] { form_.mnuSalvar_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_S));
    fita->addSeparator();
    form_.mnuBackup.setChecked(true);
    item(fita, M("mnuBackup"), form_.mnuBackup, QStringLiteral("Fazer &Backup ao Limpar"),
         [this] { form_.mnuBackup_Click(); }, {}, true);
    item(fita, M("mnuMostraBack"), mnuMostraBack, QStringLiteral("Mostrar Bac&kup"),
         [this] { form_.mnuMostraBack_Click(); }, QKeySequence(Qt::CTRL | Qt::Key_K));
    fita->addSeparator();
    const QString impressao[3] = {QStringLiteral("Imprimir com fonte &Pequena"),
                                  QStringLiteral("Imprimir com fonte &Média"), QStringLiteral("Imprimir com fonte &Grande")};
    const Qt::Key atalhos[3] = {Qt::Key_P, Qt::Key_M, Qt::Key_G};
    for (int i = 0; i < 3; ++i)
        item(fita, QStringLiteral("mnuImprimir(%1)").arg(i), mnuImprimir[i], impressao[i],
             [this, i] { mnuImprimir_Click(i); }, QKeySequence(Qt::CTRL | atalhos[i]));
    item(fita, M("mnuMatricial"), mnuMatricial, QStringLiteral("Imprimir em Bob&ina"), [this] { mnuMatricial_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_Y));

    // ---- Configurações -----------------------------------------------------------------------
    QMenu* config = submenu(nullptr, M("mnuConfig"), mnuConfig, QStringLiteral("&Configurações"));
    item(config, M("mnuOcultar"), mnuOcultar, QStringLiteral("&Ocultar Teclado"), [this] { mnuOcultar_Click(); }, {},
         true);
    item(config, M("mnuHotKey"), mnuHotKey, QStringLiteral("&HotKeys (CTRL + Teclado Numérico)"),
         [this] { mnuHotKey_Click(); }, {}, true);
    mnuGrande.setChecked(true);
    item(config, M("mnuGrande"), mnuGrande, QStringLiteral("Exibir com Letra &Grande"), [this] { mnuGrande_Click(); },
         {}, true);
    item(config, M("mnuFicar"), mnuFicar, QStringLiteral("Iniciar &com a Sessão"), [this] { mnuFicar_Click(); }, {},
         true);
    item(config, M("mnuSystray"), mnuSystray, QStringLiteral("Ficar na &Systray ao Fechar"),
         [this] { mnuSystray_Click(); }, {}, true);
    item(config, M("mnuInserir"), form_.mnuInserir, QStringLiteral("&Inserir Texto Durante o Cálculo"),
         [this] { mnuInserir_Click(); }, {}, true);
    item(config, M("mnuNumLock"), form_.mnuNumLock, QStringLiteral("\"N&umLock\" sempre ligado"),
         [this] { mnuNumLock_Click(); }, {}, true);
    item(config, M("mnuXP"), mnuXP, QStringLiteral("Office &XP menu"), [this] { mnuXP_Click(); }, {}, true);
    item(config, M("mnuMonit"), form_.mnuMonit, QStringLiteral("&Monitorar Área de Transferência"),
         [this] { form_.mnuMonit_Click(); }, {}, true);
    item(config, M("mnuVisivel"), mnuVisivel, QStringLiteral("Sempre &Visível (On Top)"),
         [this] { mnuVisivel_Click(); }, {}, true);
    config->addSeparator();

    QMenu* formato = submenu(config, M("mnuForm"), mnuForm, QStringLiteral("Formato do &Número Digitado"));
    QStringList formatos;
    for (const int indice : frmCalcula::kIndicesNumeral) {
        QString legenda;
        switch (indice) {
        case 0: legenda = QStringLiteral("&Moeda com Símbolo Decimal Flutuante"); break;
        case 1: legenda = QStringLiteral("Moeda com Símbolo Decimal &Fixo"); break;
        case 2: legenda = QStringLiteral("&Numeral (Modo Tradicional)"); break;
        default: legenda = QStringLiteral("0,") + QString(indice / 10, QLatin1Char('0')); break;
        }
        formatos << QStringLiteral("mnuNumeral(%1)").arg(indice);
        item(formato, formatos.last(), form_.mnuNumeral(indice), legenda,
             [this, indice] { form_.mnuNumeral_Click(indice); }, {}, true);
    }
    grupoExclusivo(formatos);

    QMenu* esquema = submenu(config, M("mnuEsquema"), mnuEsquema, QStringLiteral("&Esquema de Cor (Aparência)"));
    mnuCor1.setChecked(true);
    item(esquema, M("mnuCor1"), mnuCor1, QStringLiteral("&Padrão"), [this] { mnuCor1_Click(); }, {}, true);
    item(esquema, M("mnuCor2"), mnuCor2, QStringLiteral("&Marrom"), [this] { mnuCor2_Click(); }, {}, true);
    item(esquema, M("mnuCor3"), mnuCor3, QStringLiteral("&Verde"), [this] { mnuCor3_Click(); }, {}, true);
    item(esquema, M("mnuCor4"), mnuCor4, QStringLiteral("&Rosa"), [this] { mnuCor4_Click(); }, {}, true);
    grupoExclusivo({M("mnuCor1"), M("mnuCor2"), M("mnuCor3"), M("mnuCor4")});

    QMenu* som = submenu(config, M("mnuSomEscolher"), mnuSomEscolher, QStringLiteral("Som ao &Digitar"));
    item(som, M("mnuSemSom"), form_.mnuSemSom, QStringLiteral("&Nenhum"), [this] { mnuSemSom_Click(); }, {}, true);
    item(som, M("mnuBeep"), form_.mnuBeep, QStringLiteral("Beep, Beep..."), [this] { mnuBeep_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_B), true);
    item(som, M("mnuSom"), form_.mnuSom, QStringLiteral("Mu&sical (à escolher)"), [this] { mnuSom_Click(); },
         QKeySequence(Qt::CTRL | Qt::Key_U), true);

    QMenu* idioma = submenu(config, M("mnuIdioma"), mnuIdioma, QStringLiteral("&Linguagem (Idioma)"));
    mnuPortuguese.setChecked(true);
    item(idioma, M("mnuPortuguese"), mnuPortuguese, QStringLiteral("&Português"), [this] { mnuPortuguese_Click(); },
         {}, true);
    item(idioma, M("mnuEnglish"), mnuEnglish, QStringLiteral("&English"), [this] { mnuEnglish_Click(); }, {}, true);
    item(idioma, M("mnuSpanish"), mnuSpanish, QStringLiteral("E&spañol"), [this] { mnuSpanish_Click(); }, {}, true);
    item(idioma, M("mnuFrench"), mnuFrench, QStringLiteral("&Français"), [this] { mnuFrench_Click(); }, {}, true);

    QMenu* enter = submenu(config, M("mnu4"), mnu4, QStringLiteral("&Função da Tecla \"ENTER\""));
    item(enter, M("mnuEnter"), form_.mnuEnter, QStringLiteral("&Somar (Modo Avançado)"), [this] { form_.mnuEnter_Click(mnuGrande.Checked()); },
         Qt::Key_F4, true);
    item(enter, M("mnuIgual"), form_.mnuIgual, QStringLiteral("&Resultado (Modo Tradicional)"),
         [this] { form_.mnuIgual_Click(); }, Qt::Key_F9, true);

    // ---- ? ------------------------------------------------------------------------------------
    QMenu* menuAjuda = submenu(nullptr, M("mnu9"), mnu9, QStringLiteral("?"));
    item(menuAjuda, M("mnuAjuda"), mnuAjuda, QStringLiteral("&Ajuda"), [this] { ajuda().mnuAjuda_Click(); }, Qt::Key_F1);
    item(menuAjuda, M("mnuCalc"), mnuCalc, QStringLiteral("&Sobre a Calculadora"), [this] { ajuda().mnuCalc_Click(); },
         Qt::Key_F11);
    menuAjuda->addSeparator();
    item(menuAjuda, M("mnuEmail"), mnuEmail, QStringLiteral("&Enviar e-mail ao suporte técnico"),
         [this] { ajuda().mnuEmail_Click(); });
    // Only ever a popup, over the time display.
    QMenu* tempo = submenu(menuAjuda, M("mnuTime"), mnuTime, QStringLiteral("Configurar tempo"));
    mnuTime.setVisible(false);
    item(tempo, M("mnuTime1"), form_.mnuTime1, QStringLiteral("MM:SS"), [this] { form_.mnuTime1_Click(); }, {}, true);
    item(tempo, M("mnuTime2"), form_.mnuTime2, QStringLiteral("HH:MM:SS"), [this] { form_.mnuTime2_Click(); }, {},
         true);
}

// ---- commands --------------------------------------------------------------------------------

void JanelaCalcula::mnuOutra_Click()
{
    if (host_.Tag() == QLatin1String("2"))
        return;
    // The second calculator hands its totals over through the clipboard.
    form_.mnuMonit.setChecked(true);
    const QString palavra = QStringLiteral("outra") + (form_.mnuTempo.Checked() ? QStringLiteral("tempo") : QString());
    QProcess::startDetached(servicos_.programa, {palavra});
    servicos_.clipboard.clear();
}

void JanelaCalcula::mnuData_Click()
{
    fecharCalculoAberto();
    AbrirData(servicosFerramenta(), mnuGrande.Checked(), this);
}

void JanelaCalcula::mnuPeso_Click()
{
    fecharCalculoAberto();
    AbrirPeso(servicosFerramenta(), this);
}

void JanelaCalcula::mnuRegra_Click()
{
    AbrirRegra(servicosFerramenta(), servicos_.impressoras, this);
}

void JanelaCalcula::mnuConverte_Click()
{
    AbrirConverte(servicosFerramenta(), servicos_.clipboard, this);
}

void JanelaCalcula::mnuWindows_Click()
{
    AbrirCalculadoraDoSistema(servicos_.mensagens);
}

void JanelaCalcula::mnuSystray_Click()
{
    if (mnuSystray.Checked()) {
        mnuSystray.setChecked(false);
        host_.SysTray(4);
    } else {
        mnuSystray.setChecked(true);
        host_.SysTray(3);
    }
    salvarConf(pref::Systray, mnuSystray.Checked());
}

void JanelaCalcula::mnuHotKey_Click()
{
    if (mnuHotKey.Checked()) {
        RemoverHotKeys();
        mnuHotKey.setChecked(false);
    } else {
        RegistrarHotKeys();
        mnuHotKey.setChecked(true);
        if (HotKeysDisponiveis())
            AjudaHotKeys();
        else
            servicos_.mensagens.show(fTexto(1401), mb::Exclamation);
    }
}

void JanelaCalcula::mnuFicar_Click()
{
    tarvelo::mnuFicar_Click(mnuFicar, servicos_.programa, AutostartEntry());
}

void JanelaCalcula::mnuInserir_Click()
{
    form_.mnuInserir.setChecked(!form_.mnuInserir.Checked());
    salvarConf(pref::InserirTexto, form_.mnuInserir.Checked());
}

void JanelaCalcula::mnuNumLock_Click()
{
    form_.mnuNumLock.setChecked(!form_.mnuNumLock.Checked());
    salvarConf(pref::NumLock, form_.mnuNumLock.Checked());
    ManterNumLock(form_.mnuNumLock.Checked(), servicos_.numLock);
}

void JanelaCalcula::mnuXP_Click()
{
    mnuXP.setChecked(!mnuXP.Checked());
    salvarConf(pref::MenuXP, mnuXP.Checked());
    servicos_.mensagens.show(fTexto(218), mb::Information);
}

void JanelaCalcula::mnuVisivel_Click()
{
    mnuVisivel.setChecked(!mnuVisivel.Checked());
    const bool visivel = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, mnuVisivel.Checked());
    // Changing the flag takes the window down; it comes back where it was.
    if (visivel)
        show();
    salvarConf(pref::Visivel, mnuVisivel.Checked());
}

void JanelaCalcula::mnuSemSom_Click()
{
    tarvelo::mnuSemSom_Click(form_, *servicosSom_);
}

void JanelaCalcula::mnuBeep_Click()
{
    tarvelo::mnuBeep_Click(form_, *servicosSom_);
}

void JanelaCalcula::mnuSom_Click()
{
    tarvelo::mnuSom_Click(form_, *servicosSom_);
}

AjudaCalcula JanelaCalcula::ajuda()
{
    const auto abrir = [this](const QString& alvo, const QString& falha, int icone) {
        form_.abrirNoDesktop(alvo, falha, icone);
    };
    return AjudaCalcula({servicos_.mensagens, abrir, [this] { AjudaHotKeys(); }});
}

void JanelaCalcula::AjudaHotKeys()
{
    SilenciarNota(form_, servicos_.midi);
    servicos_.mensagens.show(textoAjudaHotKeys(globais().gIdioma, globais().gCrLf2), mb::Information);
}

}  // namespace tarvelo
