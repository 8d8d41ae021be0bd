// The window's life cycle: load, activation, resize, close; the zoom and the placement.

#include "mainwindow/janelacalcula.h"

#include "calc/fita_arquivo.h"
#include "calc/iniciosessao.h"
#include "calc/sons.h"
#include "controls/propertybag.h"
#include "controls/xpbutton.h"
#include "host/comando.h"
#include "host/globais.h"
#include "host/ui/frmsystray.h"
#include "host/ui/janelas.h"
#include "mainwindow/geometria.h"
#include "mainwindow/visorfita.h"
#include "platform/midi.h"
#include "platform/numbertext.h"
#include "platform/settings.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

namespace tarvelo {
namespace {

// The designed outer height of the normal window, in twips.
constexpr double kAlturaDesenhada = 7350;

// The menu control's property set as the window was designed: the Office XP look in black
// on white, in Tahoma of 8.25 points, without a background picture.
PropertyBag propriedadesMenu()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("OfficeXpStyle"), true);
    bag.WriteProperty(QStringLiteral("ActiveMenuForeColor"), OleColour(0));
    bag.WriteProperty(QStringLiteral("InActiveMenuForeColor"), OleColour(0));
    bag.WriteProperty(QStringLiteral("MenuBackgroundColor"), OleColour(0xFFFFFF));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    bag.WriteProperty(QStringLiteral("Font"), tahoma);
    return bag;
}

}  // namespace

bool JanelaCalcula::primeiraCalculadora() const
{
    return host_.Tag() == QLatin1String("1");
}

double JanelaCalcula::alturaTelaTwips() const
{
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    return tela ? twips(tela->geometry().height()) : 0;
}

double JanelaCalcula::larguraTelaTwips() const
{
    const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen();
    return tela ? twips(tela->geometry().width()) : 0;
}

QString JanelaCalcula::ArquivoFita() const
{
    return tarvelo::ArquivoFita(globais().gPastaApp, host_.Tag());
}

std::optional<int> JanelaCalcula::moldura() const
{
    // Asked of the platform window, which reads it from the window manager when it
    // changed: the widget's copy follows only at the window's next move.
    const QWindow* janela = windowHandle();
    const QMargins margens = janela ? janela->frameMargins() : QMargins();
    const int moldura = margens.top() + margens.bottom();
    return moldura > 0 ? std::optional(moldura) : std::nullopt;
}

double JanelaCalcula::alturaJanela() const
{
    return twips(height() + moldura().value_or(kMolduraNominal));
}

void JanelaCalcula::definirAlturaJanela(double twips)
{
    molduraUsada_ = moldura().value_or(kMolduraNominal);
    resize(width(), alturaCliente(twips, molduraUsada_));
}

void JanelaCalcula::acertarMoldura()
{
    const int atual = moldura().value_or(kMolduraNominal);
    if (atual == molduraUsada_ || isMinimized() || isMaximized())
        return;
    resize(width(), std::max(0, height() + molduraUsada_ - atual));
    molduraUsada_ = atual;
}

void JanelaCalcula::leiauteDesenhado()
{
    // The designed size, with the display and the keypad in their designed places below the
    // tape, where the mini window's short client area leaves them out of sight.
    resize(pixels(larguraTwips_), height());
    definirAlturaJanela(kAlturaDesenhada);
    const double cliente = twips(height() - menuBar()->sizeHint().height());
    if (const auto l = calcularLeiaute(cliente, geometriaVisor[3].Height, geometriaTeclado.Height, true)) {
        geometriaFita.Height = l->alturaFita;
        geometriaVisor[3].Top = geometriaVisor[1].Top = l->topoCaixa;
        geometriaVisor[0].Top = geometriaVisor[2].Top = l->topoVisor;
        geometriaTeclado.Top = l->topoTeclado;
    }
    aplicarGeometria();
}

// ---- load ------------------------------------------------------------------------------------

bool JanelaCalcula::Form_Load()
{
    Globais& g = globais();
    if (g.gFechando)
        return false;

    // The host knows which calculator this is only once it has loaded, which may be after
    // this window was built.
    form_.TagHost = host_.Tag();
    form_.limparClipboard();
    form_.chkVirgula.setCaption(g.gDecimal);

    PopMenu1.UserControl_ReadProperties(propriedadesMenu());
    const bool menusDesenhados =
        primeiraCalculadora() && lerMenuXP(servicos_.configuracoes) && g.gComando != QLatin1String("mini");
    PopMenu1.Load(hWnd_, menusDesenhados);

    form_.lerOpcoes(primeiraCalculadora(), mnuGrande.Checked());

    if (g.gComando == QLatin1String("mini")) {
        form_.ModoMini = true;
        mnu1.setVisible(false);
        mnuConfig.setVisible(false);
        mnu9.setVisible(false);
    } else {
        // "1", or anything that is no scheme, keeps the designed colours.
        const QString cor = conf(pref::Cor);
        if (cor == QLatin1String("2"))
            mnuCor2_Click();
        else if (cor == QLatin1String("3"))
            mnuCor3_Click();
        else if (cor == QLatin1String("4"))
            mnuCor4_Click();
    }

    const bool mini = form_.ModoMini;
    if (primeiraCalculadora()) {
        if (const auto altura = conf(mini ? pref::MiniHeight : pref::CalcHeight); altura && *altura > 0)
            definirAlturaJanela(*altura);
        const auto letrona = conf(pref::Letrona);
        if ((letrona && !*letrona) || mini)
            mnuGrande_Click();
        restaurarPosicao();
        if (!mini) {
            if (const auto bandeja = conf(pref::Systray))
                mnuSystray.setChecked(*bandeja);
            mnuFicar.setChecked(IniciaComSessao());
        }
        // Ctrl+Shift+C brings the window to the front.
        SendMessage(hWnd_, WM_SETHOTKEY, 835, 0);
        const auto oculte = conf(pref::Oculte);
        if ((oculte && *oculte) || mini) {
            form_.fraTeclado.setVisible(false);
            mnuOcultar.setChecked(true);
        }
        const auto hotkey = conf(pref::HotKey);
        if ((hotkey && *hotkey) || mini) {
            mnuHotKey.setChecked(true);
            RegistrarHotKeys();
        }
    } else {
        form_.setCaption(QStringLiteral("Calculadora [Aux]"));
        mnuGrande_Click();
        mnu1.setEnabled(false);
        mnuConfig.setEnabled(false);
        mnu9.setEnabled(false);
    }

    // The designed captions are the Portuguese ones.
    switch (g.gIdioma) {
    case 2: mnuEnglish_Click(); break;
    case 3: mnuSpanish_Click(); break;
    case 4: mnuFrench_Click(); break;
    default: AplicarIdioma(true); break;
    }

    if (primeiraCalculadora() && !mini) {
        mnuXP.setChecked(lerMenuXP(servicos_.configuracoes));
        const QString sons = conf(pref::Sons);
        if (sons == QLatin1String("1"))
            mnuSemSom_Click();
        else if (sons == QLatin1String("2"))
            mnuBeep_Click();
        else if (sons == QLatin1String("3"))
            RestaurarSomMusical(form_, *servicosSom_);
    }

    // The designed display font may be missing on this system.
    for (const int i : {0, 2}) {
        if (QFontInfo(lblVisor_[i]->font()).family().toUpper() != QLatin1String("VERDANA")) {
            QFont fonte = lblVisor_[i]->font();
            fonte.setFamily(QStringLiteral("Tahoma"));
            lblVisor_[i]->setFont(fonte);
        }
    }

    const auto visivel = conf(pref::Visivel);
    if ((visivel && *visivel) || mini) {
        mnuVisivel.setChecked(true);
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    form_.lerOpcoesDaFita();
    form_.CarregarArquivoFita();
    return true;
}

void JanelaCalcula::restaurarPosicao()
{
    const double altura = alturaJanela();
    const double largura = twips(width());
    const double alturaTela = alturaTelaTwips();
    const double larguraTela = larguraTelaTwips();
    const QString esquerda = QString::number(qRound(esquerdaPadrao(larguraTela, largura)));
    const Posicao p = posicaoInicial(textoPreferencia(servicos_.configuracoes, pref::CalcTop),
                                     textoPreferencia(servicos_.configuracoes, pref::CalcLeft, esquerda), altura, largura, alturaTela,
                                     larguraTela, form_.ModoMini);
    move(pixels(p.esquerda), pixels(p.topo));
}

// ---- activation --------------------------------------------------------------------------------

void JanelaCalcula::Form_Activate()
{
    Globais& g = globais();
    if (g.gFechando)
        return;
    Timer1.start();
    acertarMoldura();
    if (mnuVisivel.Checked() && !windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();
    }

    // The end of the tape in view, the typing in the entry.
    form_.txtFita.setSelStart(form_.txtFita.length() - 2);
    form_.SetFocus(form_.txtEntrada);
    form_.SelecionarEntrada();
    txtFita_->rolarAteCursor();
    sincronizarFoco();

    // Once per load. The guard is up before a tool word's modal window opens, so an
    // activation raised while it closes does not come back here.
    if (form_.JaAtivado || primeiraAtivacao_)
        return;
    primeiraAtivacao_ = true;
    const QString comando = g.gComando;
    if (comando == QLatin1String("tempo"))
        entrada([this] { form_.mnuTempo_Click(); });
    else if (comando == QLatin1String("juro"))
        mnuJuro_Click();
    else if (comando == QLatin1String("peso"))
        mnuPeso_Click();
    else if (comando == QLatin1String("data"))
        mnuData_Click();
    else if (const QString arquivo = arquivoDoComando(comando); !arquivo.isEmpty()) {
        // The question waits for the user: the splash, kept on top, must not cover it.
        janelas_.descarregar(QStringLiteral("frmStart"));
        AbrirArquivo(arquivo);
    }
    g.gComando.clear();

    // A number on the clipboard is left for the monitor; anything else it must not take.
    if (!isNumeric(form_.TextoClipboard()))
        form_.lembrarClipboard();
    form_.JaAtivado = true;

    if (form_.ModoMini) {
        if (!preferenciaGuardada(servicos_.configuracoes, pref::MiniHeight)) {
            // The tip waits for the user: the splash, kept on top, must not cover it.
            janelas_.descarregar(QStringLiteral("frmStart"));
            AjudaHotKeys();
        }
    } else if (!preferenciaGuardada(servicos_.configuracoes, pref::CalcHeight) && primeiraCalculadora()
               && g.gIdioma == 1) {
        salvarConf(pref::CalcHeight, qRound(alturaJanela()));
    }
    janelas_.descarregar(QStringLiteral("frmStart"));
}

void JanelaCalcula::Form_Deactivate()
{
    // Only another window of the program gets here (the host never shows one).
    Timer1.stop();
    if (globais().gFechando)
        return;
    SilenciarNota(form_, servicos_.midi);
}

// ---- resize --------------------------------------------------------------------------------------

void JanelaCalcula::Form_Resize()
{
    if (!isVisible() || globais().gFechando || descarregando_)
        return;
    if (primeiraCalculadora()) {
        if (isMinimized()) {
            // The hotkeys are how a minimised calculator is used.
            if (!mnuHotKey.Checked())
                RegistrarHotKeys();
            return;
        }
        if (!mnuHotKey.Checked())
            RemoverHotKeys();
        // While minimised the monitor put the total into the caption.
        if (!form_.ModoMini)
            form_.setCaption(QStringLiteral(" Tarvelo"));
    }

    const double cliente = twips(area_->height());
    if (form_.ModoMini) {
        geometriaFita.Height = cliente;
    } else if (const auto l = calcularLeiaute(cliente, geometriaVisor[3].Height, geometriaTeclado.Height,
                                              form_.fraTeclado.Visible())) {
        geometriaFita.Height = l->alturaFita;
        geometriaVisor[3].Top = geometriaVisor[1].Top = l->topoCaixa;
        geometriaVisor[0].Top = geometriaVisor[2].Top = l->topoVisor;
        geometriaTeclado.Top = l->topoTeclado;
    }
    aplicarGeometria();

    const double alturaTela = alturaTelaTwips();
    if (alturaTela > 0 && alturaJanela() > alturaTela)
        definirAlturaJanela(alturaTela - 480);
}

// ---- zoom and keypad -------------------------------------------------------------------------------

void JanelaCalcula::mnuGrande_Click()
{
    const bool crescer = !mnuGrande.Checked();
    mnuGrande.setChecked(crescer);
    AmpliarTela(crescer);
    if (form_.Visible)
        salvarConf(pref::Letrona, mnuGrande.Checked());
}

void JanelaCalcula::AmpliarTela(bool crescer)
{
    const double f = crescer ? 1.6 : 0.625;
    const bool visivel = form_.Visible && isVisible();
    if (visivel)
        setUpdatesEnabled(false);

    geometriaFita.Width *= f;
    // The tape alone gets half a point more when growing and half a point less when shrinking.
    geometriaFita.FontSize = geometriaFita.FontSize * f + (crescer ? 0.5 : -0.5);
    for (Geometria& visor : geometriaVisor) {
        visor.Left *= f;
        visor.Width *= f;
        visor.Height *= f;
        visor.FontSize *= f;
    }
    geometriaTeclado.Width *= f;
    geometriaTeclado.Height *= f;
    geometriaTeclado.Left *= f;
    geometriaTeclado.FontSize *= f;
    form_.AmpliarTeclas(f);
    larguraTwips_ = crescer ? larguraTwips_ * f - 60 : larguraTwips_ * f;
    resize(pixels(larguraTwips_), height());
    aplicarGeometria();

    if (visivel) {
        if (crescer)
            definirAlturaJanela(alturaTelaTwips() - 480);
        move(pixels(larguraTelaTwips() / 2 - larguraTwips_ / 2), 0);
        setUpdatesEnabled(true);
    }
}

void JanelaCalcula::mnuOcultar_Click()
{
    const double teclado = geometriaTeclado.Height;
    if (mnuOcultar.Checked()) {
        form_.fraTeclado.setVisible(true);
        resize(width(), pixels(twips(height()) + teclado));
        mnuOcultar.setChecked(false);
    } else {
        form_.fraTeclado.setVisible(false);
        resize(width(), pixels(twips(height()) - teclado));
        mnuOcultar.setChecked(true);
    }
}

// ---- close ---------------------------------------------------------------------------------------------

void JanelaCalcula::Form_QueryUnload()
{
    Globais& g = globais();
    // The saved display must hold a number, not a time.
    if (form_.mnuTempo.Checked())
        entrada([this] { form_.mnuTempo_Click(); });

    form_.GravarArquivoFita();

    const bool minimizada = isMinimized();
    const int altura = qRound(alturaJanela());
    const int topo = qRound(twips(y()));
    const int esquerda = qRound(twips(x()));
    if (form_.ModoMini && !minimizada)
        salvarPreferencias(servicos_.configuracoes, {valorPreferencia(pref::MiniHeight, altura),
                                                     valorPreferencia(pref::CalcLeft, esquerda)});
    if (!primeiraCalculadora() || form_.ModoMini) {
        host_.Unload();
        return;
    }

    QList<ValorPreferencia> valores = {
        valorPreferencia(pref::CalcEnter, form_.mnuEnter.Checked()),
        valorPreferencia(pref::Oculte, mnuOcultar.Checked()),
        valorPreferencia(pref::Backup, form_.mnuBackup.Checked()),
        valorPreferencia(pref::Idioma, g.gIdioma),
        valorPreferencia(pref::HotKey, mnuHotKey.Checked()),
    };
    if (!minimizada) {
        valores.append(valorPreferencia(pref::CalcHeight, altura));
        valores.append(valorPreferencia(pref::CalcTop, topo));
        valores.append(valorPreferencia(pref::CalcLeft, esquerda));
        valores.append(valorPreferencia(pref::Letrona, mnuGrande.Checked()));
    }
    salvarPreferencias(servicos_.configuracoes, valores);
    if (!form_.mnuSemSom.Checked())
        servicos_.midi.close();

    hide();
    // Closing into the tray keeps the program (and its icon, even where the option to stay
    // in the tray had taken it away) when an alarm or the power-off is armed or the option
    // says so; otherwise, or where the desktop has no tray, the program ends.
    host_.FicarNaBandeja(mnuSystray.Checked());
}

}  // namespace tarvelo
