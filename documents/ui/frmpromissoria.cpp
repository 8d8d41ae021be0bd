#include "documents/ui/frmpromissoria.h"

#include "calc/extenso.h"
#include "controls/xpbutton.h"
#include "documents/promissoria.h"
#include "documents/quebraextenso.h"
#include "host/globais.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/messagebox.h"
#include "platform/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace tarvelo {
namespace {

const QString kNumero = QStringLiteral("txtNumero");
const QString kCredor = QStringLiteral("txtCredor");
const QString kCredor2 = QStringLiteral("txtCredor2");
const QString kEmitente = QStringLiteral("txtEmitente");
const QString kEmitente2 = QStringLiteral("txtEmitente2");
const QString kEndereco = QStringLiteral("txtEndereço");
const QString kPagarei = QStringLiteral("txtPagarei");

constexpr int kEsquerdaLista = 572;

constexpr qint64 kTamanhoMaximoImagem = 16 * 1024 * 1024;
constexpr int kLadoMaximoImagem = 4096;

// The settings that keep the last texts of the note, with their fields.
const QList<std::pair<const PreferenciaTexto*, QString>>& textosDaNota()
{
    static const QList<std::pair<const PreferenciaTexto*, QString>> textos{
        {&pref::NotaPagarei, kPagarei},     {&pref::NotaCredor, kCredor},       {&pref::NotaCredor2, kCredor2},
        {&pref::NotaCidade, campo::Cidade},       {&pref::NotaEmitente, kEmitente},   {&pref::NotaEmitente2, kEmitente2},
        {&pref::NotaEndereco, kEndereco},
    };
    return textos;
}

}  // namespace

QImage ImagemDeFundo(const QString& pasta)
{
    const QStringList achados =
        QDir(pasta).entryList({QStringLiteral("imagem.bmp")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& nome : achados) {
        const QFileInfo info(QDir(pasta).filePath(nome));
        if (nome.compare(QStringLiteral("IMAGEM.BMP"), Qt::CaseInsensitive) != 0 || info.size() > kTamanhoMaximoImagem)
            continue;
        QImageReader leitor(info.filePath());
        const QSize tamanho = leitor.size();
        if (!tamanho.isValid() || tamanho.width() > kLadoMaximoImagem || tamanho.height() > kLadoMaximoImagem)
            continue;
        const QImage imagem = leitor.read();
        if (!imagem.isNull())
            return imagem;
    }
    return {};
}

frmPromissoria::frmPromissoria(const ServicosDocumento& servicos, const Entrega& entrega, RegistroJanelas* janelas)
    : JanelaDocumento(Documento::Promissoria, QStringLiteral("frmPromissoria"), servicos, entrega, janelas)
{
    setWindowTitle(QStringLiteral(" Imprimir Nota Promissória"));
    const auto esquerda = Qt::AlignLeft;
    QList<QWidget*> ordem{
        criarCampo(campo::Dia, QStringLiteral(" Dia "), Qt::AlignHCenter, false),
        criarCampo(campo::Mes, QStringLiteral(" Mês "), Qt::AlignHCenter, false),
        criarCampo(campo::Ano, QStringLiteral(" Ano "), Qt::AlignHCenter, false),
        criarCampo(kNumero, QStringLiteral(" Número deste Documento "), Qt::AlignHCenter, true),
        criarCampo(QStringLiteral("txtValor"), QStringLiteral(" Valor da Promissória "), Qt::AlignRight, false),
        criarCampo(QStringLiteral("txtAosDias"), QStringLiteral(" Dia por Extenso "), esquerda, false),
        criarCampo(kPagarei, QStringLiteral(" Pagarei/Pagaremos "), esquerda, true),
        criarCampo(kCredor, QStringLiteral(" Empresa/Pessoa Credora "), esquerda, true),
        criarCampo(kCredor2, QStringLiteral(" CPF/CGC do Credor"), esquerda, true),
        criarCampo(QStringLiteral("txtExtenso1"), QStringLiteral(" Extenso na Linha 1 "), esquerda, false),
        criarCampo(QStringLiteral("txtExtenso2"), QStringLiteral(" Extenso na Linha 2 "), esquerda, false),
        criarCampo(campo::Cidade, QStringLiteral(" Praça de Pagamento "), esquerda, true),
        criarCampo(kEmitente, QStringLiteral(" Emitente (Devedor) "), esquerda, true),
        criarCampo(kEmitente2, QStringLiteral(" CPF/CGC do Emitente "), esquerda, true),
        criarCampo(kEndereco, QStringLiteral(" Endereço do Emitente "), esquerda, true),
    };
    QWidget* reserva = criarCampo(QStringLiteral("txtReserva"), QStringLiteral(" Campo Reserva "), esquerda, true);
    definirTexto(kPagarei, QStringLiteral("pagarei"));
    definirTexto(kCredor, QStringLiteral("NOME DA EMPRESA/PESSOA CREDORA"));
    definirTexto(kCredor2, QStringLiteral("CPF/CGC DO CREDOR"));
    definirTexto(campo::Cidade, QStringLiteral("CIDADE - UF"));
    definirTexto(kEmitente, QStringLiteral("NOME DO EMITENTE"));
    definirTexto(kEmitente2, QStringLiteral("CPF/CGC DO EMITENTE"));
    definirTexto(kEndereco, QStringLiteral("ENDEREÇO DO EMITENTE"));
    definirTexto(QStringLiteral("txtValor"), entrega.valor);

    criarFerramentas(QStringLiteral("&Ajustar Campos na Promissória  (mover)"));
    ordem << Check2 << chkNegrito << cmdConf << cmdImprimir << cbModelo << cmdSalvar << lstCopias << cmdHelp << reserva;
    ordenarTab(ordem);
    Form_Load();
}

void frmPromissoria::Form_Load()
{
    aplicarPonteiroMao({Check2, chkNegrito, cbModelo, lstCopias});
    definirFundo(ImagemDeFundo(globais().gPastaApp));
    definirTexto(kNumero, ProximoNumero(lerPreferencia(servicos_.configuracoes, pref::NotaNumero)));
    for (const auto& [preferencia, nome] : textosDaNota())
        definirTexto(nome, lerPreferencia(servicos_.configuracoes, *preferencia));
    carregarNegrito();
    carregarComum();

    const QDate hoje = servicos_.relogio.now().date();
    vencimento_ = dateValue(entrega_.vencimento, currentLocale(), hoje).value_or(QDate());
    if (!vencimento_.isValid())
        return;
    mostrarData(lerPreferencia(servicos_.configuracoes, pref::NotaTipoMes).trimmed() == QStringLiteral("2"));
    MessageService& mensagens = servicos_.mensagens;
    definirTexto(QStringLiteral("txtAosDias"), DiaPorExtenso(vencimento_, [&mensagens](const QString& numero) {
                     return ConverterExtenso(numero, false, mensagens);
                 }));
}

void frmPromissoria::mostrarData(bool numerico)
{
    const DataNota data = DataDaNota(vencimento_, numerico);
    definirTexto(campo::Dia, data.dia);
    definirTexto(campo::Mes, data.mes);
    definirTexto(campo::Ano, data.ano);
}

void frmPromissoria::txtMes_DblClick()
{
    if (!vencimento_.isValid())
        return;
    const bool eraNumerico = texto(campo::Mes).size() == 2;
    mostrarData(!eraNumerico);
    const int largura = campo(campo::Dia)->width();
    campo(campo::Mes)->resize(eraNumerico ? 105 : largura, campo(campo::Mes)->height());
    campo(campo::Ano)->resize(eraNumerico ? 53 : largura, campo(campo::Ano)->height());
    cmdSalvar->setEnabled(true);
}

bool frmPromissoria::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonDblClick &&
        (objeto == campo(campo::Dia) || objeto == campo(campo::Mes) || objeto == campo(campo::Ano))) {
        txtMes_DblClick();
        return true;
    }
    return JanelaDocumento::eventFilter(objeto, evento);
}

QList<JanelaDocumento::Ferramenta> frmPromissoria::ferramentas() const
{
    // The copies label ends short of its list, whatever width its font gives it.
    const int copias = std::min(492, kEsquerdaLista - kFolga - lblCopias->width());
    return {{cmdConf, 88, 482},     {cmdImprimir, 62, 482},          {cmdSalvar, 62, 640},
            {cbModelo, 88, 640},    {lblCopias, 116, copias},        {lstCopias, 120, kEsquerdaLista},
            {chkNegrito, 108, 640}, {Check2, 144, 640}};
}

int frmPromissoria::limiteExtenso() const
{
    return kQuebraPromissoria;
}

QString frmPromissoria::textoAjuda() const
{
    const QString& duas = globais().gCrLf2;
    return fTexto(999) + duas +
           QStringLiteral("- Para mudar a data de vencimento entre extenso e númerico, dê clique duplo sobre o dia, "
                          "mês ou ano.") +
           duas + QStringLiteral("NOVIDADE:") + duas +
           QStringLiteral("- Se desejar imprimir a promissória com uma imagem de fundo, basta salvar uma imagem "
                          "qualquer com o nome de IMAGEM.bmp (formato bitmap do Windows) dentro da seguinte pasta:") +
           duas + globais().gPastaApp;
}

void frmPromissoria::aposAtivar()
{
    const QScreen* tela = screen();
    if (tela && tela->geometry().width() * 15 < 12000)
        servicos_.mensagens.show(fTexto(947), mb::Exclamation, windowTitle());
}

void frmPromissoria::aoFechar()
{
    salvarPreferencia(servicos_.configuracoes, pref::NotaTipoMes, QString::number(texto(campo::Mes).size()));
}

QList<QStringList> frmPromissoria::linhas() const
{
    return {{campo::Dia, campo::Mes, campo::Ano}, {kCredor, kCredor2}};
}

QList<QStringList> frmPromissoria::ordemBanda() const
{
    return {{QStringLiteral("txtValor")}, {kNumero}, {QStringLiteral("txtAosDias")}, {kPagarei}, {kEmitente},
            {kEmitente2}, {kEndereco}, {QStringLiteral("txtExtenso1")}, {QStringLiteral("txtExtenso2")},
            {QStringLiteral("txtReserva")}, {campo::Cidade}, {campo::Dia, campo::Mes, campo::Ano}, {kCredor, kCredor2}};
}

QList<QWidget*> frmPromissoria::ferramentasImpressao() const
{
    return {cmdImprimir, cmdSalvar, cmdConf, Check2, cbModelo, chkNegrito, lblLocal, cmdHelp, lblCopias, lstCopias};
}

QStringList frmPromissoria::camposMaiusculos() const
{
    return {kCredor, campo::Cidade, kEmitente, kEndereco};
}

QList<ValorPreferencia> frmPromissoria::textosGuardados() const
{
    QList<ValorPreferencia> valores{valorPreferencia(pref::NotaNumero, texto(kNumero))};
    for (const auto& [preferencia, nome] : textosDaNota())
        valores.append(valorPreferencia(*preferencia, texto(nome)));
    valores.append(valorNegrito());
    return valores;
}

void frmPromissoria::gravarExtrasDoModelo()
{
    const ValorPreferencia negrito = valorNegrito();
    salvarPreferencias(servicos_.configuracoes, {negrito});
}

}  // namespace tarvelo
