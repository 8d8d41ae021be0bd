// The tape state file: the day's tape, total, pending operator, entry, display and counter
// kept from one run of the window to the next.

#include "calc/fita_arquivo.h"
#include "calc/fita_backup.h"
#include "calc/frmcalcula.h"

#include "host/globais.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/fileio.h"
#include "platform/numbertext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace tarvelo {

namespace {

// How long a change may wait for the state file: a kill loses at most this much.
constexpr int kEsperaGravacaoMs = 2000;

// A caption or entry of the calculator is a number, a symbol or a counter; a longer field
// is damage and goes no further than this.
constexpr qsizetype kMaiorCampoCurto = 100;

// A field of a record cut short, or damaged, gives the value a fresh calculator starts
// with: an unreadable total would otherwise stop every later item from counting.
QString campoCurto(const QString& campo, const QString& inicial, bool numero = false)
{
    const QString texto = campo.left(kMaiorCampoCurto);
    if (texto.isEmpty() || (numero && !isNumeric(texto)))
        return inicial;
    return texto;
}

}  // namespace

void frmCalcula::estadoMudou(bool agora)
{
    if (!gravarAoMudar_)
        return;
    if (agora)
        tmrGravar_.start(0);
    else if (!tmrGravar_.isActive())
        tmrGravar_.start(kEsperaGravacaoMs);
}

void frmCalcula::avisarGravacao(const QString& arquivo, const QString& motivo, const QString& texto)
{
    if (Visible) {
        avisos_.falhou(arquivo, motivo, texto);
        return;
    }
    QTimer::singleShot(0, &tmrGravar_, [this, arquivo, motivo, texto] { avisos_.falhou(arquivo, motivo, texto); });
}

bool frmCalcula::GravarArquivoFita()
{
    return gravarArquivoFita(false);
}

bool frmCalcula::gravarArquivoFita(bool aoFundo)
{
    tmrGravar_.stop();
    EstadoFita estado;
    estado.data = shortDate(servicos_.relogio.now().date());
    estado.fita = txtFita.Text();
    estado.total = lblTotal.Caption();
    estado.operador = Tag;
    estado.entrada = txtEntrada.Text();
    estado.visor = lblVisor[0].Caption();
    estado.contador = lblVisor[1].Caption();
    const QString caminho = ArquivoFita(globais().gPastaApp, TagHost);
    const QByteArray registro = EscreverEstadoFita(estado);
    // Never a file the next load would refuse.
    FileResult gravado{registro.size() > kMaiorArquivoFita ? systemErrorText(EFBIG) : naoSubstituir_};
    if (gravado)
        gravado = writeFileAtomically(caminho, registro);
    if (!gravado) {
        if (aoFundo && Visible)
            avisos_.falhouAoFundo(caminho, gravado.error);
        else
            avisarGravacao(caminho, gravado.error);
        return false;
    }
    avisos_.gravou(caminho);
    return true;
}

void frmCalcula::guardarArquivoDanificado(const QString& caminho)
{
    const QString guardado = damagedFileName(caminho);
    if (std::rename(QFile::encodeName(caminho).constData(), QFile::encodeName(guardado).constData()) != 0) {
        naoSubstituir_ = systemErrorText(errno);
        avisarGravacao(caminho, naoSubstituir_);
        return;
    }
    avisarGravacao(caminho, {}, fTexto(1102, QDir::toNativeSeparators(guardado)));
}

void frmCalcula::CarregarArquivoFita()
{
    const QString caminho = ArquivoFita(globais().gPastaApp, TagHost);
    removeStaleTemporaryFiles(QFileInfo(caminho).path(), {QFileInfo(caminho).fileName()});
    gravarAoMudar_ = true;
    naoSubstituir_.clear();

    std::optional<EstadoFita> estado;
    const FileRead arquivo = readRegularFile(caminho, kMaiorArquivoFita);
    if (arquivo.ok() && !EstadoFitaDanificado(arquivo.bytes))
        estado = LerEstadoFita(arquivo.bytes);
    else if (arquivo.status != FileRead::Status::Missing)
        guardarArquivoDanificado(caminho);
    const EstadoFita lido = estado.value_or(EstadoFita{});

    txtFita.setText(textoParaFita(lido.fita));
    const QDate hoje = servicos_.relogio.now().date();
    if (!estado || dateValue(lido.data, currentLocale(), hoje) != hoje) {
        mnuLimpar_Click();
        return;
    }
    lblTotal.setCaption(campoCurto(lido.total, QStringLiteral("0"), true));
    Tag = campoCurto(lido.operador, QStringLiteral("+"));
    const QString entrada = campoCurto(lido.entrada, QStringLiteral("0"));
    // The saved entry may be longer than the typing limit (a pasted number): all of it.
    txtEntrada.setMaxLength(std::max(txtEntrada.MaxLength(), static_cast<int>(entrada.size())));
    txtEntrada.setText(entrada);
    lblVisor[0].setCaption(campoCurto(lido.visor, QStringLiteral("0"), true));
    lblVisor[1].setCaption(campoCurto(lido.contador, QStringLiteral("000"), true));
    // What was restored is what the file holds already.
    tmrGravar_.stop();
}

}  // namespace tarvelo
