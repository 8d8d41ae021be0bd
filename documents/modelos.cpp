#include "documents/modelos.h"

#include "platform/settings.h"

#include <cmath>

namespace tarvelo {
namespace {

const QString kMes = QStringLiteral("Mês");

QList<CampoModelo> camposCheque()
{
    const QString cidade = QStringLiteral("txtCidade");
    return {
        {"txtValor", "lblValorT", "lblValorL", "lblValorW", 10, 454, 177, {}},
        {"txtExtenso1", "lblExtenso1T", "lblExtenso1L", "lblExtenso1W", 38, 68, 563, {}},
        {"txtExtenso2", "lblExtenso2T", "lblExtenso2L", "lblExtenso2W", 62, 8, 605, {}},
        {"txtFavorecido", "txtFavorecidoT", "txtFavorecidoL", "txtFavorecidoW", 86, 18, 573, {}},
        {cidade, "txtCidadeT", "txtCidadeL", "txtCidadeW", 112, 262, 167, {}},
        {"txtDia", {}, "lblDiaL", "txtDiaW", 112, 444, 25, cidade},
        {"txt" + kMes, {}, "lbl" + kMes + "L", "txt" + kMes + "W", 112, 480, 97, cidade},
        {"txtAno", {}, "lblAnoL", "txtAnoW", 112, 580, 43, cidade},
        {"txtReserva", "txtReservaT", "txtReservaL", "txtReservaW", 156, 12, 97, {}},
    };
}

QList<CampoModelo> camposPromissoria()
{
    const QString dia = QStringLiteral("txtDia");
    const QString credor = QStringLiteral("txtCredor");
    const QString endereco = QStringLiteral("txtEndereço");
    return {
        {dia, "txtDiaT", "lblDiaL", "txtDiaW", 10, 492, 25, {}},
        {"txt" + kMes, {}, "lbl" + kMes + "L", "lbl" + kMes + "W", 10, 554, 105, dia},
        {"txtAno", {}, "lblAnoL", "lblAnoW", 10, 698, 53, dia},
        {"txtNumero", "txtNumeroT", "txtNumeroL", "txtNumeroW", 38, 218, 63, {}},
        {"txtValor", "lblValorT", "lblValorL", "lblValorW", 38, 546, 169, {}},
        {"txtAosDias", "txtAosDiasT", "txtAosDiasL", "txtAosDiasW", 64, 188, 563, {}},
        {"txtPagarei", "txtPagareiT", "txtPagareiL", "txtPagareiW", 86, 382, 93, {}},
        {credor, "txtCredorT", "txtCredorL", "txtCredorW", 110, 162, 351, {}},
        {"txtCredor2", {}, "txtCredor2L", "txtCredor2W", 110, 546, 205, credor},
        {"txtExtenso1", "lblExtenso1T", "lblExtenso1L", "lblExtenso1W", 150, 240, 515, {}},
        {"txtExtenso2", "lblExtenso2T", "lblExtenso2L", "lblExtenso2W", 178, 154, 553, {}},
        {"txtCidade", "txtCidadeT", "txtCidadeL", "txtCidadeW", 206, 200, 237, {}},
        {"txtEmitente", "txtEmitenteT", "txtEmitenteL", "txtEmitenteW", 230, 154, 283, {}},
        {"txtEmitente2", "txtEmitente2T", "txtEmitente2L", "txtEmitente2W", 254, 178, 259, {}},
        {endereco, endereco + "T", endereco + "L", endereco + "W", 278, 154, 283, {}},
        {"txtReserva", "txtReservaT", "txtReservaL", "txtReservaW", 50, 4, 97, {}},
    };
}

// Reads one stored number over `valor`; a missing key gives the default, and a number the
// window cannot use leaves `valor` as it was.
void lerNumero(const SettingsStore& configuracoes, const QString& secao, const QString& chave, int padrao,
               const LimiteValor& limite, int& valor)
{
    const QString texto = configuracoes.GetSetting(secao, chave, QString::number(padrao));
    if (const auto lido = LerPixels(texto); lido && Cabe(limite, *lido))
        valor = *lido;
}

// Plain digits with a minus sign first at most, as the program writes a number.
std::optional<int> inteiroSimples(QStringView texto)
{
    const QStringView digitos = texto.startsWith(u'-') ? texto.sliced(1) : texto;
    if (digitos.isEmpty() || digitos.size() > 9)
        return std::nullopt;
    for (const QChar c : digitos)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return texto.toInt();
}

}  // namespace

const QList<CampoModelo>& CamposModelo(Documento documento)
{
    static const QList<CampoModelo> cheque = camposCheque();
    static const QList<CampoModelo> promissoria = camposPromissoria();
    return documento == Documento::Cheque ? cheque : promissoria;
}

QString SecaoModelo(Documento documento, int indice)
{
    return secaoBase(documento) + (indice > 0 ? QString::number(indice) : QString());
}

QString ChaveNome(Documento documento)
{
    return documento == Documento::Cheque ? QStringLiteral("Banco") : QStringLiteral("Modelo");
}

QString NomePadrao(int indice)
{
    return QStringLiteral("Modelo ") + QString::number(indice + 1);
}

QString NomeEmUmaLinha(QStringView nome)
{
    QString linha;
    linha.reserve(nome.size());
    for (const QChar c : nome)
        if (c.category() != QChar::Other_Control)
            linha.append(c);
    return linha;
}

QStringList NomesModelos(const SettingsStore& configuracoes, Documento documento)
{
    QStringList nomes;
    for (int i = 0; i < kModelos; ++i)
        nomes << configuracoes.GetSetting(SecaoModelo(documento, i), ChaveNome(documento), NomePadrao(i));
    return nomes;
}

Leiaute LeiautePadrao(Documento documento)
{
    Leiaute leiaute;
    for (const CampoModelo& c : CamposModelo(documento))
        leiaute.insert(c.campo, {c.left, c.top, c.width});
    return leiaute;
}

void CarregarModelo(const SettingsStore& configuracoes, Documento documento, int indice, Leiaute& leiaute,
                    std::optional<bool>* ano)
{
    const QString secao = SecaoModelo(documento, indice);
    for (const CampoModelo& c : CamposModelo(documento)) {
        PosicaoCampo& p = leiaute[c.campo];
        if (c.lider.isEmpty())
            lerNumero(configuracoes, secao, c.chaveTop, c.top, kLimitePosicao, p.top);
        else
            p.top = leiaute.value(c.lider).top;
        lerNumero(configuracoes, secao, c.chaveLeft, c.left, kLimitePosicao, p.left);
    }
    if (ano && documento == Documento::Cheque) {
        const auto valor = LerPixels(configuracoes.GetSetting(secao, kChaveAno, QStringLiteral("0")));
        *ano = valor ? std::optional<bool>(*valor != 0) : std::nullopt;
    }
    for (const CampoModelo& c : CamposModelo(documento))
        lerNumero(configuracoes, secao, c.chaveWidth, c.width, kLimiteLargura, leiaute[c.campo].width);
}

QList<std::pair<QString, QString>> ValoresModelo(Documento documento, const QString& nome, const Leiaute& leiaute,
                                                 bool ano)
{
    QList<std::pair<QString, QString>> valores{{ChaveNome(documento), nome}};
    for (const CampoModelo& c : CamposModelo(documento)) {
        const PosicaoCampo p = leiaute.value(c.campo, {c.left, c.top, c.width});
        if (c.lider.isEmpty())
            valores.append({c.chaveTop, QString::number(p.top)});
        valores.append({c.chaveLeft, QString::number(p.left)});
    }
    if (documento == Documento::Cheque)
        valores.append({kChaveAno, ano ? QStringLiteral("1") : QStringLiteral("0")});
    for (const CampoModelo& c : CamposModelo(documento))
        valores.append({c.chaveWidth, QString::number(leiaute.value(c.campo, {c.left, c.top, c.width}).width)});
    return valores;
}

std::optional<int> LerPixels(const QString& texto)
{
    QString numero = texto.trimmed();
    numero.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double valor = numero.toDouble(&ok);
    if (!ok || !std::isfinite(valor) || std::fabs(valor) > 1e6)
        return std::nullopt;
    return static_cast<int>(std::lround(valor));
}

QSize AreaDesenho(Documento documento)
{
    return documento == Documento::Cheque ? QSize(658, 277) : QSize(796, 324);
}

LimiteValor LimiteLeftBackup(Documento documento, int largura)
{
    return {LimiteValor::Tipo::Numero, 1 - largura, AreaDesenho(documento).width() - 1};
}

LimiteValor LimiteTopBackup(Documento documento)
{
    return {LimiteValor::Tipo::Numero, 1 - kAlturaCampo, AreaDesenho(documento).height() - 1};
}

LimiteValor LimiteTamanho(const PreferenciaNumero& desenho)
{
    return {LimiteValor::Tipo::Numero, static_cast<int>(desenho.padrao), kLadoMaximoTwips};
}

bool Cabe(const LimiteValor& limite, int valor)
{
    return valor >= limite.minimo && valor <= limite.maximo;
}

bool TextoCabe(const LimiteValor& limite, QStringView texto)
{
    if (limite.tipo == LimiteValor::Tipo::Nome)
        return texto.size() >= limite.minimo && texto.size() <= limite.maximo && !texto.trimmed().isEmpty()
               && NomeEmUmaLinha(texto) == texto;
    const auto numero = inteiroSimples(texto);
    return numero && Cabe(limite, *numero);
}

}  // namespace tarvelo
