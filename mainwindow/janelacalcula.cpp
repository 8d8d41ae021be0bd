// The calculator window: its controls, how they follow the engine's model, and how the
// user's keys and clicks reach the engine.

#include "mainwindow/janelacalcula.h"

#include "calc/hotkeys.h"
#include "calc/sons.h"
#include "calc/visor_cliques.h"
#include "controls/virtualkeys.h"
#include "controls/xpbutton.h"
#include "host/globais.h"
#include "host/ui/frmsystray.h"
#include "host/ui/janelas.h"
#include "mainwindow/frameteclado.h"
#include "mainwindow/geometria.h"
#include "mainwindow/visorfita.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/syscolors.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QTextDocument>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace tarvelo {
namespace {

QColor corQt(Cor cor)
{
    return toQColor(translateOleColour(cor).value_or(0));
}

// The designed look (the large layout; the small one is the zoom's 0.625 of it), in twips.
constexpr double kMargem = 60;
constexpr double kAlturaCaixa = 660;
constexpr double kAlturaTecla = 510;
constexpr double kEspacoTecla = 60;
constexpr double kTopoTeclas = 180;
constexpr int kColunas = 5;
constexpr int kLinhas = 5;
constexpr double kFonteFita = 12;
constexpr double kFonteVisor = 18;
constexpr double kFonteContador = 8;
constexpr double kFonteTecla = 12;
const QString kFonteFixa = QStringLiteral("Courier New");
const QString kFonteVisorNome = QStringLiteral("Verdana");

// Colours of the designed scheme ("Padrão"), 0x00BBGGRR.
constexpr Cor kFundoJanela = 0xE0E0E0;
constexpr Cor kFundoVisor = 0xFFFFC0;
constexpr Cor kCinzaOperador = 0xC0C0C0;

bool eNavegacao(int tecla)
{
    switch (tecla) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

// The key code of a key event as the key handlers know it.
int codigoDaTecla(const QKeyEvent* evento)
{
    return virtualKeyCode(evento->key(), evento->modifiers());
}

// The Button argument of the mouse events: 1 left, 2 right, 4 middle.
int botaoDoMouse(Qt::MouseButton botao)
{
    switch (botao) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

}  // namespace

// The model's keystroke service: keystrokes for other programs go to the program's one;
// closing "the active window" (Esc) closes this window through its close path, once the
// key handler that asked has returned.
class JanelaCalcula::TeclasJanela final : public KeystrokeService {
public:
    TeclasJanela(KeystrokeService& externo, JanelaCalcula& janela) : externo_(externo), janela_(&janela) {}
    bool available() const override { return externo_.available(); }
    void sendKeys(const QString& keys) override { externo_.sendKeys(keys); }
    void closeActiveWindow() override
    {
        QMetaObject::invokeMethod(
            janela_.data(),
            [janela = janela_] {
                if (janela)
                    janela->close();
            },
            Qt::QueuedConnection);
    }

private:
    KeystrokeService& externo_;
    QPointer<JanelaCalcula> janela_;
};

JanelaCalcula::JanelaCalcula(frmSysTray& host, RegistroJanelas& janelas, const ServicosJanela& servicos,
                             QWidget* parent)
    : QMainWindow(parent),
      host_(host),
      janelas_(janelas),
      servicos_(servicos),
      teclasJanela_(std::make_unique<TeclasJanela>(servicos.teclas, *this)),
      servicosSom_(std::make_unique<ServicosSom>(
          ServicosSom{servicos.midi, servicos.mensagens, servicos.entrada, servicos.configuracoes})),
      form_(ServicosCalcula{servicos.clipboard, servicos.mensagens, servicos.midi, *teclasJanela_, servicos.relogio,
                            servicos.configuracoes, servicos.entrada, servicos.arquivos, servicos.shell,
                            servicos.numLock})
{
    setObjectName(QStringLiteral("frmCalcula"));
    setAttribute(Qt::WA_QuitOnClose, false);
    connect(&form_, &frmCalcula::janelaMudou, this, [this] {
        setWindowTitle(form_.Caption());
        aplicarEstadoJanela();
    });
    connect(&form_, &frmCalcula::PopupMenu, this, [this](const QString& nome) {
        if (QMenu* m = menus_.value(nome))
            m->popup(QCursor::pos());
    });
    setWindowTitle(form_.Caption());

    criarControles();
    connect(&form_, &frmCalcula::tecladoMudou, this, &JanelaCalcula::aplicarGeometria);
    criarMenus();
    ligarHotKeys();

    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, [this] { entrada([this] { form_.Timer1_Timer(); }); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &JanelaCalcula::janelaAtivaMudou);
}

JanelaCalcula::~JanelaCalcula()
{
    disconnect(qApp, nullptr, this, nullptr);
    Timer1.stop();
    DestroyWindowHandle(hWnd_);
}

// ---- controls ----------------------------------------------------------------------------

void JanelaCalcula::criarControles()
{
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("areaCliente"));
    area_->setFocusPolicy(Qt::StrongFocus);
    area_->setAutoFillBackground(true);
    QPalette fundo = area_->palette();
    fundo.setColor(QPalette::Window, corQt(kFundoJanela));
    area_->setPalette(fundo);
    setCentralWidget(area_);
    area_->installEventFilter(this);

    txtFita_ = new VisorFita(form_.txtFita, area_);
    txtFita_->installEventFilter(this);
    connect(txtFita_, &VisorFita::duploClique, this,
            [this](qsizetype posicao) { entrada([this, posicao] { form_.txtFita_DblClick(posicao); }); });

    // The display box first, so that the display and the counter are drawn over it.
    const char* nomes[4] = {"lblVisor(0)", "lblVisor(1)", "lblVisor(2)", "lblVisor(3)"};
    for (int i : {3, 0, 2, 1}) {
        QLabel* rotulo = new QLabel(area_);
        rotulo->setObjectName(QString::fromLatin1(nomes[i]));
        rotulo->setTextFormat(Qt::PlainText);
        rotulo->setAlignment(i == 1 ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignRight | Qt::AlignVCenter);
        // The counter has the box's colour and lets the box show through.
        if (i == 3 || i == 1) {
            rotulo->setAutoFillBackground(i == 3);
            QPalette p = rotulo->palette();
            p.setColor(QPalette::Window, corQt(kFundoVisor));
            rotulo->setPalette(p);
        }
        lblVisor_[i] = rotulo;
        Label& modelo = form_.lblVisor[i];
        auto mostrar = [rotulo, &modelo] {
            rotulo->setText(modelo.Caption());
            QPalette p = rotulo->palette();
            p.setColor(QPalette::WindowText, corQt(modelo.ForeColor()));
            rotulo->setPalette(p);
            rotulo->setVisible(modelo.Visible());
        };
        connect(&modelo, &Controle::mudou, rotulo, mostrar);
        mostrar();
        rotulo->installEventFilter(this);
    }

    fraTeclado_ = new FrameTeclado(area_);
    fraTeclado_->installEventFilter(this);
    auto mostrarMemoria = [this] {
        fraTeclado_->setCaption(form_.fraTeclado.Caption());
        fraTeclado_->setForeColor(corQt(form_.fraTeclado.ForeColor()));
        fraTeclado_->setVisible(form_.fraTeclado.Visible());
    };
    connect(&form_.fraTeclado, &Controle::mudou, fraTeclado_, mostrarMemoria);
    mostrarMemoria();

    // The tape is as wide as 26 columns of its font with the view's margins and scroll bar.
    geometriaFita.FontSize = kFonteFita;
    aplicarFonte(txtFita_, kFonteFixa, kFonteFita);
    const QFontMetricsF fm(txtFita_->font());
    const int largura = static_cast<int>(std::ceil(fm.horizontalAdvance(QString(26, QLatin1Char('0')))))
                        + 2 * static_cast<int>(txtFita_->document()->documentMargin()) + 2 * txtFita_->frameWidth()
                        + txtFita_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    geometriaFita.Left = kMargem;
    geometriaFita.Top = 0;
    geometriaFita.Width = twips(largura);
    larguraTwips_ = geometriaFita.Width + 2 * kMargem;

    const double larguraCaixa = geometriaFita.Width;
    geometriaVisor[3] = {kMargem, 0, larguraCaixa, kAlturaCaixa, kFonteContador};
    geometriaVisor[1] = {kMargem + 45, 0, 900, 270, kFonteContador};
    geometriaVisor[0] = {kMargem + 60, 0, larguraCaixa - 120, kAlturaCaixa - 90, kFonteVisor};
    geometriaVisor[2] = geometriaVisor[0];
    geometriaTeclado = {kMargem, 0, larguraCaixa,
                        kTopoTeclas + kLinhas * kAlturaTecla + (kLinhas - 1) * kEspacoTecla + kEspacoTecla,
                        kFonteContador};
    desenharTeclado();
    aplicarFonte(lblVisor_[0], kFonteVisorNome, kFonteVisor);
    aplicarFonte(lblVisor_[2], kFonteVisorNome, kFonteVisor);
    aplicarFonte(lblVisor_[1], kFonteVisorNome, kFonteContador);
    aplicarFonte(fraTeclado_, kFonteVisorNome, kFonteContador);
    leiauteDesenhado();
}

void JanelaCalcula::desenharTeclado()
{
    struct Posto {
        KeyButton* tecla;
        const char* nome;
        QString legenda;
        int coluna, linha, colunas;
        // The keyboard's way to the same key, shown while the mouse rests on it.
        QString dica;
    };
    const QString virgula = globais().gDecimal;
    const std::vector<Posto> postos = {
        {&form_.MC, "MC", QStringLiteral("MC"), 0, 0, 1, QStringLiteral(" Shift+C ")},
        {&form_.MR, "MR", QStringLiteral("MR"), 1, 0, 1, QStringLiteral(" Shift+R ")},
        {&form_.Mmenos, "Mmenos", QStringLiteral("M-"), 2, 0, 1, QStringLiteral(" Shift+D ")},
        {&form_.Mmais, "Mmais", QStringLiteral("M+"), 3, 0, 1, QStringLiteral(" Shift+A ")},
        {&form_.chkBack, "chkBack", QStringLiteral("\u00AB"), 4, 0, 1, QStringLiteral(" Backspace ")},
        {&form_.chkNum[7], "chkNum(7)", QStringLiteral("7"), 0, 1, 1, QStringLiteral(" 7 ")},
        {&form_.chkNum[8], "chkNum(8)", QStringLiteral("8"), 1, 1, 1, QStringLiteral(" 8 ")},
        {&form_.chkNum[9], "chkNum(9)", QStringLiteral("9"), 2, 1, 1, QStringLiteral(" 9 ")},
        {&form_.chkDividir, "chkDividir", QStringLiteral("\u00F7"), 3, 1, 1, QStringLiteral(" / ")},
        {&form_.chkCE, "chkCE", QStringLiteral("CE"), 4, 1, 1, QStringLiteral(" Delete ")},
        {&form_.chkNum[4], "chkNum(4)", QStringLiteral("4"), 0, 2, 1, QStringLiteral(" 4 ")},
        {&form_.chkNum[5], "chkNum(5)", QStringLiteral("5"), 1, 2, 1, QStringLiteral(" 5 ")},
        {&form_.chkNum[6], "chkNum(6)", QStringLiteral("6"), 2, 2, 1, QStringLiteral(" 6 ")},
        {&form_.chkVezes, "chkVezes", QStringLiteral("\u00D7"), 3, 2, 1, QStringLiteral(" * ")},
        {&form_.chkPercent, "chkPercent", QStringLiteral("%"), 4, 2, 1, QStringLiteral(" % ")},
        {&form_.chkNum[1], "chkNum(1)", QStringLiteral("1"), 0, 3, 1, QStringLiteral(" 1 ")},
        {&form_.chkNum[2], "chkNum(2)", QStringLiteral("2"), 1, 3, 1, QStringLiteral(" 2 ")},
        {&form_.chkNum[3], "chkNum(3)", QStringLiteral("3"), 2, 3, 1, QStringLiteral(" 3 ")},
        {&form_.chkMenos, "chkMenos", QStringLiteral("-"), 3, 3, 1, QStringLiteral(" - ")},
        {&form_.chkNeg, "chkNeg", QStringLiteral("\u00B1"), 4, 3, 1, QStringLiteral(" Shift+P ")},
        {&form_.chkNum[0], "chkNum(0)", QStringLiteral("0"), 0, 4, 2, QStringLiteral(" 0 ")},
        {&form_.chkVirgula, "chkVirgula", virgula, 2, 4, 1, QLatin1Char(' ') + virgula + QLatin1Char(' ')},
        {&form_.chkMais, "chkMais", QStringLiteral("+"), 3, 4, 1, QStringLiteral(" + ")},
        {&form_.chkIgual, "chkIgual", QStringLiteral("="), 4, 4, 1, QStringLiteral(" Enter ")},
    };
    const double largura = (geometriaTeclado.Width - (kColunas + 1) * kEspacoTecla) / kColunas;
    for (const Posto& posto : postos) {
        KeyButton& tecla = *posto.tecla;
        tecla.Left = static_cast<float>(kEspacoTecla + posto.coluna * (largura + kEspacoTecla));
        tecla.Top = static_cast<float>(kTopoTeclas + posto.linha * (kAlturaTecla + kEspacoTecla));
        tecla.Width = static_cast<float>(posto.colunas * largura + (posto.colunas - 1) * kEspacoTecla);
        tecla.Height = static_cast<float>(kAlturaTecla);
        tecla.setFontSize(static_cast<int>(kFonteTecla));
        if (tecla.Caption().isEmpty())
            tecla.setCaption(posto.legenda);
        tecla.setToolTipText(posto.dica);
        if (&tecla == &form_.chkDividir || &tecla == &form_.chkVezes || &tecla == &form_.chkMenos
            || &tecla == &form_.chkMais) {
            tecla.setBackColor(kCinzaOperador);
            tecla.setBackOver(kCinzaOperador);
        }
        auto* botao = new XPButton(fraTeclado_);
        botao->setObjectName(QString::fromLatin1(posto.nome));
        ligarTecla(tecla, botao);
    }
}

void JanelaCalcula::ligarTecla(KeyButton& tecla, XPButton* botao)
{
    botoes_[&tecla] = botao;
    tecla.hWnd = botao->hWnd();
    // Set up unseen: the button paints itself once, when the window shows.
    botao->DisableRefresh();
    // The keys never take the keyboard focus: it stays with the entry or the tape.
    botao->setFocusPolicy(Qt::NoFocus);
    botao->setCheckBoxBehaviour(tecla.CheckBoxBehaviour);
    QFont fonte = botao->Font();
    fonte.setFamily(kFonteVisorNome);
    fonte.setBold(true);
    botao->setFont(fonte);
    auto mostrar = [botao, &tecla] {
        if (botao->Caption() != tecla.Caption())
            botao->setCaption(tecla.Caption());
        if (botao->Value() != tecla.Value())
            botao->setValue(tecla.Value());
        if (botao->Enabled() != tecla.Enabled())
            botao->setEnabled(tecla.Enabled());
        if (botao->BackColor() != tecla.BackColor())
            botao->setBackColor(tecla.BackColor());
        if (botao->BackOver() != tecla.BackOver())
            botao->setBackOver(tecla.BackOver());
        if (botao->FontSize() != tecla.FontSize())
            botao->setFontSize(static_cast<qint16>(tecla.FontSize()));
        if (botao->ToolTipText() != tecla.ToolTipText())
            botao->setToolTipText(tecla.ToolTipText());
    };
    connect(&tecla, &Controle::mudou, botao, mostrar);
    mostrar();
    connect(botao, &XPButton::MouseUp, this, [this, &tecla](qint16& Button, qint16& Shift, float& X, float& Y) {
        const int b = Button, s = Shift;
        const float x = X, y = Y;
        entrada([&tecla, b, s, x, y] {
            if (tecla.MouseUp)
                tecla.MouseUp(b, s, x, y);
        });
    });
    connect(botao, &XPButton::Click, this, [this, &tecla, mostrar] {
        entrada([&tecla] {
            // The button has just flipped its own look; the model's key flips with it.
            if (tecla.CheckBoxBehaviour)
                tecla.setValue(!tecla.Value());
            if (tecla.Click)
                tecla.Click();
        });
        mostrar();
    });
}

QWidget* JanelaCalcula::fraTeclado() const
{
    return fraTeclado_;
}

XPButton* JanelaCalcula::botao(const KeyButton& tecla) const
{
    const auto it = botoes_.find(&tecla);
    return it == botoes_.end() ? nullptr : it->second;
}

void JanelaCalcula::aplicarFonte(QWidget* controle, const QString& familia, double pontos)
{
    // A new font lays the whole tape out again: only a real change sets it.
    QFont fonte = controle->font();
    const double tamanho = std::max(1.0, pontos);
    if ((familia.isEmpty() || fonte.family() == familia) && fonte.pointSizeF() == tamanho)
        return;
    if (!familia.isEmpty())
        fonte.setFamily(familia);
    fonte.setPointSizeF(tamanho);
    controle->setFont(fonte);
}

void JanelaCalcula::PrepararFontes()
{
    const auto preparar = [](const QString& familia, double pontos, bool negrito) {
        QFont fonte(familia);
        fonte.setPointSizeF(pontos);
        fonte.setBold(negrito);
        QFontMetricsF(fonte).horizontalAdvance(QStringLiteral("0123456789"));
    };
    preparar(kFonteFixa, kFonteFita, false);
    preparar(kFonteVisorNome, kFonteVisor, false);
    preparar(kFonteVisorNome, kFonteContador, false);
    preparar(kFonteVisorNome, kFonteTecla, true);
}

double JanelaCalcula::larguraExtra() const
{
    // Before the window shows, its client area has no width of its own yet.
    if (!isVisible())
        return 0;
    // A window narrower than half its design squeezes the controls no further.
    const double extra = twips(area_->width()) - larguraTwips_;
    return std::max(extra, -std::min(geometriaFita.Width, geometriaTeclado.Width) / 2);
}

void JanelaCalcula::aplicarGeometria()
{
    // The geometry is the design's; the tape, the display and the keypad take whatever
    // width the window has beyond it, and the keys share it by column.
    const double extra = larguraExtra();
    auto colocar = [extra](QWidget* w, const Geometria& g, bool estica) {
        const double largura = g.Width + (estica ? extra : 0);
        w->setGeometry(pixels(g.Left), pixels(g.Top), std::max(0, pixels(largura)), std::max(0, pixels(g.Height)));
    };
    aplicarFonte(txtFita_, {}, geometriaFita.FontSize);
    colocar(txtFita_, geometriaFita, true);
    for (int i = 0; i < 4; ++i) {
        aplicarFonte(lblVisor_[i], {}, geometriaVisor[i].FontSize);
        // The item counter stays where it is, on the left.
        colocar(lblVisor_[i], geometriaVisor[i], i != 1);
    }
    aplicarFonte(fraTeclado_, {}, geometriaTeclado.FontSize);
    colocar(fraTeclado_, geometriaTeclado, true);
    double inicio = geometriaTeclado.Width, fim = 0;
    for (const auto& [tecla, botao] : botoes_) {
        inicio = std::min<double>(inicio, tecla->Left);
        fim = std::max<double>(fim, tecla->Left + tecla->Width);
    }
    for (auto& [tecla, botao] : botoes_) {
        const Faixa faixa = esticarTecla({tecla->Left, tecla->Width}, inicio, fim, extra);
        botao->Move(static_cast<float>(faixa.esquerda), tecla->Top, static_cast<float>(faixa.largura), tecla->Height);
    }
}

// ---- input ---------------------------------------------------------------------------------

void JanelaCalcula::entrada(const std::function<void()>& acao)
{
    const QPointer<JanelaCalcula> viva(this);
    acao();
    if (viva)
        sincronizarFoco();
}

void JanelaCalcula::sincronizarFoco()
{
    if (descarregando_)
        return;
    QWidget* alvo = form_.foco() == &form_.txtFita ? static_cast<QWidget*>(txtFita_) : area_;
    // An inactive window only keeps in mind where its focus goes (the monitor's timer
    // runs while another program has the keyboard).
    if (alvo->hasFocus() || (!isActiveWindow() && focusWidget() == alvo))
        return;
    alvo->setFocus(Qt::OtherFocusReason);
}

bool JanelaCalcula::eventFilter(QObject* objeto, QEvent* evento)
{
    const bool controleDeTeclas = objeto == area_ || objeto == txtFita_;
    switch (evento->type()) {
    case QEvent::ShortcutOverride:
        // The window's menu shortcuts (Ctrl+C, Ctrl+V, Ctrl+Z, Ctrl+A...) win over the
        // tape's own: nothing here claims the key for the tape.
        return objeto == txtFita_;
    case QEvent::KeyPress:
        if (controleDeTeclas)
            return teclaAbaixo(objeto, static_cast<QKeyEvent*>(evento));
        break;
    case QEvent::KeyRelease:
        if (controleDeTeclas) {
            teclaAcima(static_cast<QKeyEvent*>(evento));
            return true;
        }
        break;
    case QEvent::FocusIn:
        // The user put the focus somewhere (a click on the tape); the engine's focus
        // handlers run. A focus that goes away (to a message box) changes nothing in the
        // engine: only a control of this window taking it does.
        if (objeto == txtFita_ && form_.foco() != &form_.txtFita)
            entrada([this] { form_.SetFocus(form_.txtFita); });
        else if (objeto == area_ && form_.foco() != &form_.txtEntrada && form_.Visible)
            entrada([this] { form_.SetFocus(form_.txtEntrada); });
        break;
    case QEvent::Resize:
        // The client area's size is what the layout works from; it has changed by now.
        if (objeto == area_)
            Form_Resize();
        break;
    case QEvent::MouseButtonPress:
        // Taken, so that the release comes back to the same control.
        if (objeto == fraTeclado_) {
            duploCliqueTeclado_ = false;
            return true;
        }
        if (std::find(std::begin(lblVisor_), std::end(lblVisor_), objeto) != std::end(lblVisor_))
            return true;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        if (objeto == fraTeclado_) {
            // A double click's own release makes no click of it.
            if (duploCliqueTeclado_)
                duploCliqueTeclado_ = false;
            else if (mouse->button() == Qt::LeftButton && fraTeclado_->rect().contains(mouse->position().toPoint()))
                fraTeclado_Click();
            return true;
        }
        for (int i = 0; i < 4; ++i) {
            if (objeto == lblVisor_[i]) {
                const int botao = botaoDoMouse(mouse->button());
                entrada([this, i, botao] { lblVisor_MouseUp(form_, i, botao); });
                return true;
            }
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (objeto == lblVisor_[1]) {
            mnuOutra_Click();
            return true;
        }
        if (objeto == fraTeclado_ && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
            duploCliqueTeclado_ = true;
            fraTeclado_DblClick();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

bool JanelaCalcula::teclaAbaixo(QObject* alvo, QKeyEvent* tecla)
{
    const int codigo = codigoDaTecla(tecla);
    const int shift = shiftState(tecla->modifiers());
    const QPointer<JanelaCalcula> viva(this);

    entrada([&] { form_.teclaAbaixo(codigo, shift); });
    if (!viva)
        return true;

    const bool naFita = alvo == txtFita_ && form_.foco() == &form_.txtFita;
    // Moving about the tape is the tape's own business.
    if (naFita && eNavegacao(tecla->key()))
        return false;
    // The tape takes Delete and Shift+Insert itself while it is being edited.
    if (naFita && !form_.txtFita.Locked()) {
        if (tecla->key() == Qt::Key_Delete) {
            entrada([this] {
                if (form_.txtFita.SelLength() == 0)
                    form_.txtFita.setSelLength(1);
                form_.txtFita.setSelText({});
            });
            return true;
        }
        if (tecla->key() == Qt::Key_Insert && shift == 1) {
            entrada([this] { form_.txtFita_Colar(servicos_.clipboard.text()); });
            return true;
        }
    }

    for (const QChar c : tecla->text()) {
        const int KeyAscii = characterCode(c);
        if (KeyAscii == 0)
            continue;
        entrada([this, KeyAscii] { form_.teclar(KeyAscii); });
        if (!viva)
            break;
    }
    return true;
}

void JanelaCalcula::teclaAcima(QKeyEvent* tecla)
{
    // A held key repeats its key-down only: X11's repeated releases are not releases.
    if (tecla->isAutoRepeat())
        return;
    const int codigo = codigoDaTecla(tecla);
    const int shift = shiftState(tecla->modifiers());
    entrada([&] { form_.teclaAcima(codigo, shift); });
}

// ---- activation ------------------------------------------------------------------------------

void JanelaCalcula::janelaAtivaMudou()
{
    QWidget* ativa = QApplication::activeWindow();
    // Another program (no active window of ours), a message box, an input box or a popup
    // menu: none of them is a window of the program that takes the activation.
    if (!ativa || (ativa != this && !dynamic_cast<Janela*>(ativa)))
        return;
    programaAtivou(ativa);
}

void JanelaCalcula::programaAtivou(QWidget* janela)
{
    if (descarregando_ || !isVisible())
        return;
    if (janela == this) {
        if (!ativa_) {
            ativa_ = true;
            Form_Activate();
        }
    } else if (ativa_) {
        ativa_ = false;
        Form_Deactivate();
    }
}

void JanelaCalcula::Mostrar()
{
    form_.Visible = true;
    show();
    raise();
    activateWindow();
    // The window is the program's active one from its show on, whether or not the desktop
    // hands it the keyboard at once; the activation runs once the caller has finished.
    QTimer::singleShot(0, this, [this] { programaAtivou(this); });
}

void JanelaCalcula::Ativar()
{
    if (descarregando_)
        return;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    programaAtivou(this);
    sincronizarFoco();
}

// ---- window events ----------------------------------------------------------------------------

void JanelaCalcula::closeEvent(QCloseEvent* evento)
{
    Unload();
    evento->accept();
}

void JanelaCalcula::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::WindowStateChange) {
        form_.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
        Form_Resize();
    }
}

void JanelaCalcula::moveEvent(QMoveEvent* evento)
{
    QMainWindow::moveEvent(evento);
    // The window manager framing the window moves it into its frame.
    if (isVisible())
        acertarMoldura();
}

void JanelaCalcula::Unload()
{
    if (descarregando_)
        return;
    // From here on the window counts as unloading: the host's shut-down, which the close
    // handling may start, must not unload it a second time.
    descarregando_ = true;
    Timer1.stop();
    Form_QueryUnload();
    liberarHotKeys();
    ativa_ = false;
    form_.Visible = false;
    hide();
    emit descarregada();
}

}  // namespace tarvelo
