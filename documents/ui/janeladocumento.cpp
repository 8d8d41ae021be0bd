#include "documents/ui/janeladocumento.h"

#include "controls/xpbutton.h"
#include "documents/quebraextenso.h"
#include "documents/ui/cursores.h"
#include "documents/ui/frmimp.h"
#include "host/globais.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/printerservice.h"
#include "platform/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

#include <cmath>

namespace tarvelo {
namespace {

// The frame the sizes in the settings include: borders and caption of a designed window.
constexpr int kMolduraLargura = 8;
constexpr int kMolduraAltura = 30;
constexpr int kMargemDireita = 8;
constexpr double kTwipsPorPixel = 15;

const QString kReserva = QStringLiteral("txtReserva");
const QColor kCinza(0xC0, 0xC0, 0xC0);
const QColor kSelecao(0xC0, 0xFF, 0xFF);  // &HFFFFC0

QFont fonteCampo(bool negrito)
{
    QFont fonte(negrito ? QStringLiteral("courier new") : QStringLiteral("courier"));
    fonte.setStyleHint(QFont::TypeWriter);
    fonte.setPointSizeF(9.75);
    fonte.setBold(negrito);
    return fonte;
}

QFont fonteFerramenta(const QString& familia = QStringLiteral("Tahoma"))
{
    QFont fonte(familia);
    fonte.setPointSizeF(8.25);
    return fonte;
}

void pintarFundo(QWidget* controle, const QColor& cor, QPalette::ColorRole papel)
{
    QPalette paleta = controle->palette();
    paleta.setColor(papel, cor);
    controle->setPalette(paleta);
}

// Mouse buttons counted as the layout editor counts them.
int botoes(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

JanelaDocumento::JanelaDocumento(Documento documento, const QString& nome, const ServicosDocumento& servicos,
                                 const Entrega& entrega, RegistroJanelas* janelas)
    : servicos_(servicos), entrega_(entrega), documento_(documento), nome_(nome), janelas_(janelas),
      tag_(entrega.extenso)
{
    setObjectName(nome);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setModal(true);
    QFont fonte(QStringLiteral("Courier New"));
    fonte.setPointSize(9);
    setFont(fonte);
    setAutoFillBackground(true);
    pintarFundo(this, kCinza, QPalette::Window);
    setMouseTracking(true);
    // Never smaller than designed: the tool bar would cover the fields and the printed
    // image would cut the form. Every size the window can take is one its load takes back.
    setMinimumSize(AreaDesenho(documento));
    setMaximumSize(kLadoMaximo - kMolduraLargura, kLadoMaximo - kMolduraAltura);
    resize(AreaDesenho(documento));
    if (janelas_)
        janelas_->registrar(nome_, this);
    ativacao_ = new AtivacaoJanela(
        *this,
        [this] {
            if (!descarregada_)
                Form_Activate();
        },
        [this] { close(); });
}

JanelaDocumento::~JanelaDocumento()
{
    if (janelas_)
        janelas_->remover(nome_, this);
}

// ---- building -------------------------------------------------------------------------------

QLineEdit* JanelaDocumento::criarCampo(const QString& nome, const QString& dica, Qt::Alignment alinhamento,
                                       bool digitavel)
{
    auto* campo = new QLineEdit(this);
    campo->setFrame(false);
    campo->setAlignment(alinhamento | Qt::AlignVCenter);
    campo->setReadOnly(!digitavel);
    campo->setFocusPolicy(digitavel ? Qt::StrongFocus : Qt::ClickFocus);
    campo->setTextMargins(0, 0, 0, 0);
    registrarCampo(campo, campo, nome, dica, kAlturaCampo);
    return campo;
}

QPlainTextEdit* JanelaDocumento::criarCampoMultilinha(const QString& nome, const QString& dica, int altura)
{
    auto* campo = new QPlainTextEdit(this);
    campo->setFrameShape(QFrame::NoFrame);
    campo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    campo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    campo->setTabChangesFocus(true);
    campo->document()->setDocumentMargin(0);
    registrarCampo(campo, campo->viewport(), nome, dica, altura);
    return campo;
}

void JanelaDocumento::registrarCampo(QWidget* campo, QWidget* superficie, const QString& nome, const QString& dica,
                                     int altura)
{
    campo->setObjectName(nome);
    campo->setToolTip(dica);
    campo->setFont(fonteCampo(false));
    campo->resize(campo->width(), altura);
    pintarFundo(campo, Qt::white, QPalette::Base);
    pintarFundo(campo, Qt::black, QPalette::Text);
    superficie->setMouseTracking(true);
    superficie->setCursor(Qt::IBeamCursor);
    campos_.insert(nome, campo);
    ordemCampos_ << nome;
}

void JanelaDocumento::criarFerramentas(const QString& legendaAjuste)
{
    auto botao = [this](const QString& nome, const QString& legenda, int largura) {
        auto* b = new XPButton(this);
        b->setObjectName(nome);
        b->setCaption(legenda);
        b->setFont(fonteFerramenta());
        b->resize(largura, 24);
        return b;
    };
    cmdConf = botao(QStringLiteral("cmdConf"), QStringLiteral("S&elecionar Impressora"), 150);
    cmdImprimir = botao(QStringLiteral("cmdImprimir"), QStringLiteral("&Imprimir"), 150);
    cmdSalvar = botao(QStringLiteral("cmdSalvar"), QStringLiteral("&Salvar Alterações"), 148);
    cmdHelp = botao(QStringLiteral("cmdHelp"), QStringLiteral("Ajuda [F1]"), 70);
    cmdHelp->move(2, 2);
    connect(cmdConf, &XPButton::Click, this, &JanelaDocumento::cmdConf_Click);
    connect(cmdImprimir, &XPButton::Click, this, &JanelaDocumento::cmdImprimir_Click);
    connect(cmdSalvar, &XPButton::Click, this, &JanelaDocumento::cmdSalvar_Click);
    connect(cmdHelp, &XPButton::Click, this, &JanelaDocumento::cmdHelp_Click);

    cbModelo = new QComboBox(this);
    cbModelo->setObjectName(QStringLiteral("cbModelo"));
    cbModelo->setFont(fonteFerramenta());
    cbModelo->resize(148, 21);
    connect(cbModelo, &QComboBox::activated, this, [this] { cbModelo_Click(); });

    lblCopias = new QLabel(QStringLiteral("Qtd. de &cópias:"), this);
    lblCopias->setFont(fonteFerramenta());
    lblCopias->adjustSize();
    lstCopias = new QComboBox(this);
    lstCopias->setObjectName(QStringLiteral("lstCopias"));
    lstCopias->setFont(fonteFerramenta(QStringLiteral("Arial")));
    for (int i = 1; i <= 50; ++i)
        lstCopias->addItem(QString::number(i).rightJustified(2, QLatin1Char('0')));
    lstCopias->resize(52, 21);
    lblCopias->setBuddy(lstCopias);

    chkNegrito = new QCheckBox(QStringLiteral("Fonte em &Negrito"), this);
    chkNegrito->setObjectName(QStringLiteral("chkNegrito"));
    Check2 = new QCheckBox(legendaAjuste, this);
    Check2->setObjectName(QStringLiteral("Check2"));
    for (QCheckBox* c : {chkNegrito, Check2}) {
        c->setFont(fonteFerramenta());
        c->adjustSize();
    }
    connect(chkNegrito, &QCheckBox::toggled, this, &JanelaDocumento::chkNegrito_Click);
    connect(Check2, &QCheckBox::toggled, this, &JanelaDocumento::Check2_Click);

    lblLocal = new QLabel(this);
    QFont negrito = fonteFerramenta();
    negrito.setBold(true);
    lblLocal->setFont(negrito);
    lblLocal->setAutoFillBackground(true);
    pintarFundo(lblLocal, kCinza, QPalette::Window);
    lblLocal->move(4, 2);
    lblLocal->hide();
}

void JanelaDocumento::ordenarTab(const QList<QWidget*>& ordem)
{
    for (qsizetype i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem.at(i - 1), ordem.at(i));
}

void JanelaDocumento::aplicarPonteiroMao(const QList<QWidget*>& controles)
{
    for (QWidget* c : controles)
        c->setCursor(CursorMao());
}

void JanelaDocumento::carregarComum()
{
    // A stored size the window cannot take, however it got there, leaves the design size.
    const auto medida = [this](const PreferenciaNumero& preferencia, int pixels, int moldura) {
        const QString desenho = QString::number((pixels + moldura) * kTwipsPorPixel);
        const auto twips = LerPixels(textoPreferencia(servicos_.configuracoes, preferencia, desenho));
        if (!twips || !Cabe(LimiteTamanho(preferencia), *twips))
            return pixels;
        return static_cast<int>(std::lround(*twips / kTwipsPorPixel)) - moldura;
    };
    resize(medida(preferenciaLargura(), width(), kMolduraLargura),
           medida(preferenciaAltura(), height(), kMolduraAltura));
    Form_Resize();  // a hidden window gets its resize event only when shown
    cbModelo->addItems(NomesModelos(servicos_.configuracoes, documento_));
    cbModelo->setCurrentIndex(0);
    cbModelo_Click();
    lstCopias->setCurrentIndex(0);
    for (QObject* filho : findChildren<QWidget*>())
        filho->installEventFilter(this);
}

const PreferenciaNumero& JanelaDocumento::preferenciaAltura() const
{
    return documento_ == Documento::Cheque ? pref::ChequeHeight : pref::NotaHeight;
}

const PreferenciaNumero& JanelaDocumento::preferenciaLargura() const
{
    return documento_ == Documento::Cheque ? pref::ChequeWidth : pref::NotaWidth;
}

const PreferenciaTexto& JanelaDocumento::preferenciaNegrito() const
{
    return documento_ == Documento::Cheque ? pref::ChequeNegrito : pref::NotaNegrito;
}

void JanelaDocumento::carregarNegrito()
{
    chkNegrito->setChecked(lerPreferencia(servicos_.configuracoes, preferenciaNegrito()).trimmed() ==
                           QStringLiteral("1"));
}

ValorPreferencia JanelaDocumento::valorNegrito() const
{
    return valorPreferencia(preferenciaNegrito(), chkNegrito->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

// ---- fields ---------------------------------------------------------------------------------

QLineEdit* JanelaDocumento::txt(const QString& nome) const
{
    return qobject_cast<QLineEdit*>(campo(nome));
}

QString JanelaDocumento::texto(const QString& nome) const
{
    if (const QLineEdit* linha = txt(nome))
        return linha->text();
    if (const auto* bloco = qobject_cast<QPlainTextEdit*>(campo(nome)))
        return bloco->toPlainText();
    return {};
}

void JanelaDocumento::definirTexto(const QString& nome, const QString& texto)
{
    if (QLineEdit* linha = txt(nome)) {
        linha->setText(texto);
        linha->home(false);  // shown from its start, as printed
    } else if (auto* bloco = qobject_cast<QPlainTextEdit*>(campo(nome)))
        bloco->setPlainText(texto);
}

bool JanelaDocumento::selecionado(const QString& nome) const
{
    const QWidget* c = campo(nome);
    return c && c->palette().color(QPalette::Base) == kSelecao;
}

void JanelaDocumento::definirSelecao(const QString& nome, bool sim)
{
    if (QWidget* c = campo(nome))
        pintarFundo(c, sim ? kSelecao : QColor(Qt::white), QPalette::Base);
}

void JanelaDocumento::LimpaSelecao()
{
    for (const QString& nome : ordemCampos_)
        definirSelecao(nome, false);
}

bool JanelaDocumento::alterado() const
{
    return cmdSalvar && cmdSalvar->isEnabled();
}

QSize JanelaDocumento::tamanhoTwips() const
{
    const QSize medida = size() == tamanhoNaTela_ ? tamanhoGuardado_ : size();
    return QSize(static_cast<int>((medida.width() + kMolduraLargura) * kTwipsPorPixel),
                 static_cast<int>((medida.height() + kMolduraAltura) * kTwipsPorPixel));
}

void JanelaDocumento::caberNaTela()
{
    const QWidget* atual = QApplication::activeWindow();
    QScreen* tela = atual ? atual->screen() : QGuiApplication::screenAt(QCursor::pos());
    if (!tela)
        tela = screen();
    const QRect livre = tela->availableGeometry();
    const QSize moldura(kMolduraLargura, kMolduraAltura);
    const QSize cabe = size().boundedTo(livre.size() - moldura).expandedTo(minimumSize());
    if (cabe != size()) {
        tamanhoGuardado_ = size();
        tamanhoNaTela_ = cabe;
        resize(cabe);
    }
    const QSize fora = cabe + moldura;
    move(livre.x() + std::max(0, (livre.width() - fora.width()) / 2),
         livre.y() + std::max(0, (livre.height() - fora.height()) / 2));
}

// ---- activation, keys, size, closing -------------------------------------------------------

bool JanelaDocumento::sempreVisivel() const
{
    return lerPreferencia(servicos_.configuracoes, pref::Visivel).value_or(true);
}

void JanelaDocumento::Mostrar()
{
    ativacao_->definirAbridor(QApplication::activeModalWidget());
    caberNaTela();
    setWindowFlag(Qt::WindowStaysOnTopHint, sempreVisivel());
    // The first activation may come before the desktop hands the window the keyboard.
    QTimer::singleShot(0, this, [this] {
        activateWindow();
        ativacao_->conferir();
    });
    exec();
}

void JanelaDocumento::Form_Activate()
{
    // Once topmost, never back: a window that is already shown is only ever raised.
    if (sempreVisivel() && !(windowFlags() & Qt::WindowStaysOnTopHint)) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        show();
    }
    if (QWidget* primeiro = campo(primeiroCampo()))
        primeiro->setFocus();
    const LinhasExtenso linhas = QuebraExtenso(tag_, limiteExtenso());
    definirTexto(QStringLiteral("txtExtenso1"), linhas.linha1);
    definirTexto(QStringLiteral("txtExtenso2"), linhas.linha2);
    aposAtivar();
}

bool JanelaDocumento::teclaPressionada(QKeyEvent* evento)
{
    switch (evento->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Taken here when it moves on; otherwise the field has it (a new line in the reserve).
        if (!enterAvanca())
            return false;
        focusNextChild();
        return true;
    default:
        return false;
    }
}

void JanelaDocumento::keyPressEvent(QKeyEvent* evento)
{
    // Not QDialog's: Enter presses no default button and Esc closes by the one close path.
    teclaPressionada(evento);
}

void JanelaDocumento::keyReleaseEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_F1)
        cmdHelp_Click();
}

bool JanelaDocumento::eventFilter(QObject* objeto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress:
        return teclaPressionada(static_cast<QKeyEvent*>(evento));
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(evento)->key() != Qt::Key_F1)
            return false;
        if (!static_cast<QKeyEvent*>(evento)->isAutoRepeat())
            cmdHelp_Click();
        return true;  // not again in the window, where an ignored release would go next
    case QEvent::FocusIn:
        // Typed fields start with their whole text selected; the reserve field keeps its caret.
        if (auto* linha = qobject_cast<QLineEdit*>(objeto); linha && campos_.value(linha->objectName()) == linha &&
                                                           !linha->isReadOnly() && linha->objectName() != kReserva)
            linha->selectAll();
        return false;
    case QEvent::MouseMove: {
        auto* controle = qobject_cast<QWidget*>(objeto);
        // The reserve field's text area is a child of the field.
        QWidget* dono = controle && !campos_.contains(controle->objectName()) ? controle->parentWidget() : controle;
        if (dono && campos_.value(dono->objectName()) == dono) {
            campoMouseMove(dono->objectName(), controle, static_cast<QMouseEvent*>(evento));
        }
        return false;
    }
    default:
        return false;
    }
}

void JanelaDocumento::resizeEvent(QResizeEvent* evento)
{
    QDialog::resizeEvent(evento);
    Form_Resize();
}

void JanelaDocumento::Form_Resize()
{
    const int altura = height() + kMolduraAltura;
    // A tool whose caption runs wider than designed moves left rather than past the
    // window's edge, as far from it as the designed tools at the right stand.
    const int direita = width() - kMargemDireita;
    for (const Ferramenta& f : ferramentas())
        f.controle->move(std::max(0, std::min(f.left, direita - f.controle->width())), altura - f.k);
}

void JanelaDocumento::closeEvent(QCloseEvent* evento)
{
    evento->accept();
    done(QDialog::Rejected);
}

void JanelaDocumento::done(int resultado)
{
    if (!descarregada_) {
        descarregada_ = true;
        Form_Unload();
    }
    QDialog::done(resultado);
}

void JanelaDocumento::Unload()
{
    done(QDialog::Rejected);
}

void JanelaDocumento::Form_Unload()
{
    const QSize twips = tamanhoTwips();
    salvarPreferencias(servicos_.configuracoes, {valorPreferencia(preferenciaAltura(), twips.height()),
                                                 valorPreferencia(preferenciaLargura(), twips.width())});
    aoFechar();
    if (alterado()) {
        const int resposta = servicos_.mensagens.show(fTexto(948, cbModelo->currentText().toUpper()),
                                                      mb::YesNo | mb::Question | mb::DefaultButton2, windowTitle());
        if (resposta == mb::Yes)
            cmdSalvar_Click();
    }
    if (globais().gFechando)
        return;
    if (QWidget* abridor = ativacao_->abridor())
        abridor->activateWindow();
    else if (JanelaCalculadora* calculadora = janelas_ ? janelas_->calculadora() : nullptr)
        calculadora->Ativar();
}

// ---- commands -------------------------------------------------------------------------------

void JanelaDocumento::cmdHelp_Click()
{
    servicos_.mensagens.show(textoAjuda(), mb::Information, windowTitle());
}

void JanelaDocumento::cmdConf_Click()
{
    frmImp escolha(servicos_.configuracoes, servicos_.impressoras, servicos_.mensagens, janelas_, this);
    escolha.exec();
}

// ---- layout models --------------------------------------------------------------------------

int JanelaDocumento::modeloAtual() const
{
    return qMax(0, cbModelo->currentIndex());
}

Leiaute JanelaDocumento::leiauteAtual() const
{
    Leiaute leiaute;
    for (const QString& nome : ordemCampos_) {
        const QRect g = campo(nome)->geometry();
        leiaute.insert(nome, {g.x(), g.y(), g.width()});
    }
    return leiaute;
}

void JanelaDocumento::aplicarLeiaute(const Leiaute& leiaute)
{
    for (auto it = leiaute.cbegin(); it != leiaute.cend(); ++it) {
        if (QWidget* c = campo(it.key()))
            c->setGeometry(it->left, it->top, qMax(1, it->width), c->height());
    }
}

void JanelaDocumento::cbModelo_Click()
{
    Leiaute leiaute = leiauteAtual();
    std::optional<bool> ano;
    CarregarModelo(servicos_.configuracoes, documento_, modeloAtual(), leiaute, &ano);
    aplicarLeiaute(leiaute);
    aposCarregarModelo(ano);
    aposMoverCampos();
    Check2->setChecked(false);
    cmdSalvar->setEnabled(false);
}

void JanelaDocumento::cmdSalvar_Click()
{
    const int pergunta = documento_ == Documento::Cheque ? 971 : 973;
    const QString nome =
        NomeEmUmaLinha(servicos_.entrada.ask(fTexto(pergunta), fTexto(972), cbModelo->currentText())).toUpper();
    if (nome.trimmed().isEmpty()) {
        servicos_.mensagens.show(fTexto(944), mb::Critical, windowTitle());
        return;
    }
    const int k = modeloAtual();
    const auto valores = ValoresModelo(documento_, nome, leiauteAtual(), anoDoModelo());
    // The store has told the user why it could not take the model; the layout, the
    // model's old name and the unsaved flag stay, so the user can try again.
    if (!servicos_.configuracoes.SaveSettings(SecaoModelo(documento_, k), valores))
        return;
    gravarExtrasDoModelo();
    Check2->setChecked(false);
    {
        const QSignalBlocker bloqueio(cbModelo);
        cbModelo->insertItem(k, nome);
        cbModelo->removeItem(k + 1);
        cbModelo->setCurrentIndex(k);
    }
    cbModelo_Click();
    cmdSalvar->setEnabled(false);
}

void JanelaDocumento::chkNegrito_Click()
{
    for (const QString& nome : ordemCampos_) {
        if (nome != kReserva)
            campo(nome)->setFont(fonteCampo(chkNegrito->isChecked()));
    }
}

// ---- layout editor and rubber band ---------------------------------------------------------

void JanelaDocumento::Check2_Click()
{
    if (Check2->isChecked()) {
        lblLocal->show();
        lblLocal->raise();
        cmdHelp->hide();
    } else {
        lblLocal->hide();
        cmdHelp->show();
        LimpaSelecao();
    }
}

void JanelaDocumento::campoMouseMove(const QString& nome, QWidget* receptor, QMouseEvent* evento)
{
    QWidget* c = campo(nome);
    const QPoint cursor = receptor->mapTo(this, evento->position().toPoint());
    const PassoEditor passo =
        MoveCampo(c->geometry(), cursor, botoes(evento->buttons()), Check2->isChecked(), selecionado(nome), editor_);
    if (passo.largura)
        c->resize(*passo.largura, c->height());
    if (!passo.deslocamento.isNull() || passo.alterou)
        moverCampos(passo, nome);
    if (passo.alterou)
        cmdSalvar->setEnabled(true);
    QWidget* superficie = qobject_cast<QPlainTextEdit*>(c) ? static_cast<QPlainTextEdit*>(c)->viewport() : c;
    switch (passo.ponteiro) {
    case Ponteiro::Texto:
        superficie->setCursor(Qt::IBeamCursor);
        break;
    case Ponteiro::Mover:
        superficie->setCursor(CursorMover());
        break;
    case Ponteiro::Redimensionar:
        superficie->setCursor(CursorRedimensionar());
        break;
    case Ponteiro::Manter:
        break;
    }
    if (passo.leitura) {
        lblLocal->setText(*passo.leitura);
        lblLocal->adjustSize();
    }
    alinharLinha(nome);
}

void JanelaDocumento::moverCampos(const PassoEditor& passo, const QString& nome)
{
    if (passo.moverSelecionados) {
        for (const QString& outro : ordemCampos_) {
            if (selecionado(outro))
                campo(outro)->move(campo(outro)->pos() + passo.deslocamento);
        }
    } else {
        campo(nome)->move(campo(nome)->pos() + passo.deslocamento);
    }
    aposMoverCampos();
}

void JanelaDocumento::alinharLinha(const QString& nome)
{
    for (const QStringList& linha : linhas()) {
        if (!linha.contains(nome))
            continue;
        const int top = campo(nome)->y();
        for (const QString& outro : linha)
            campo(outro)->move(campo(outro)->x(), top);
    }
}

void JanelaDocumento::mousePressEvent(QMouseEvent* evento)
{
    if (evento->button() != Qt::LeftButton)
        return;
    inicioBanda_ = evento->position().toPoint();
    banda_ = QRect(inicioBanda_, QSize(0, 0));
    LimpaSelecao();
    bandaVisivel_ = true;
    update();
}

void JanelaDocumento::mouseMoveEvent(QMouseEvent* evento)
{
    lblLocal->clear();
    if (botoes(evento->buttons()) != kBotaoEsquerdo || !bandaVisivel_)
        return;
    Check2->setChecked(true);
    banda_ = NormalizarBanda(inicioBanda_, evento->position().toPoint());
    for (const QStringList& grupo : ordemBanda()) {
        const bool toca = grupo.size() == 1
                              ? TocaBanda(campo(grupo.first())->geometry(), banda_)
                              : LinhaTocaBanda(campo(grupo.first())->geometry(), campo(grupo.last())->geometry(), banda_);
        for (const QString& nome : grupo)
            definirSelecao(nome, toca);
    }
    update();
}

void JanelaDocumento::mouseReleaseEvent(QMouseEvent*)
{
    bandaVisivel_ = false;
    banda_.setTop(0);
    banda_.setHeight(0);
    update();
}

void JanelaDocumento::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    if (!fundo_.isNull())
        pintor.drawImage(0, 0, fundo_);
    if (bandaVisivel_) {
        pintor.setPen(QPen(Qt::black, 1, Qt::DotLine));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawRect(banda_.x(), banda_.y(), banda_.width(), banda_.height());
    }
}

// ---- printing -------------------------------------------------------------------------------

QPicture JanelaDocumento::imagemDaJanela()
{
    QPicture imagem;
    QPainter pintor(&imagem);
    render(&pintor, QPoint(), QRegion(rect()), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    pintor.end();
    return imagem;
}

bool JanelaDocumento::imprimir()
{
    for (QWidget* ferramenta : ferramentasImpressao())
        ferramenta->hide();
    for (const QString& nome : camposMaiusculos())
        definirTexto(nome, texto(nome).toUpper());
    pintarFundo(this, Qt::white, QPalette::Window);
    LimpaSelecao();
    bandaVisivel_ = false;
    if (QWidget* foco = focusWidget())
        foco->clearFocus();
    for (const QString& nome : ordemCampos_) {
        if (QLineEdit* linha = txt(nome))
            linha->deselect();
    }
    if (!salvarPreferencias(servicos_.configuracoes, textosGuardados()))
        return false;
    if (!antesDeImprimir())
        return false;
    PrinterService& impressoras = servicos_.impressoras;
    const QString escolhida = lerPreferencia(servicos_.configuracoes, pref::ImpDispo);
    if (escolhida.isEmpty()) {
        impressoras.setTrackDefault(true);
    } else {
        impressoras.setTrackDefault(false);
        impressoras.setCurrentPrinter(escolhida);
    }
    // One image for every copy, and no events between the copies: nothing can close or
    // change the window in the middle of the run.
    const QPicture pagina = imagemDaJanela();
    const int copias = lstCopias->currentIndex() + 1;
    for (int i = 0; i < copias; ++i) {
        if (!impressoras.printForm(pagina))
            return false;
    }
    return true;
}

void JanelaDocumento::cmdImprimir_Click()
{
    if (imprimir())
        servicos_.mensagens.show(fTexto(16), mb::Information);
    else
        servicos_.mensagens.show(fTexto(17), mb::Critical, windowTitle());
    close();
}

}  // namespace tarvelo
