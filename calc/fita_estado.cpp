// The tape state file: the day's tape, total, pending operator, entry, display and counter
// kept from one run of the window to the next.

#include "calc/fita_arquivo.h"
#include "calc/fita_backup.h"
#include "calc/frmcalcula.h"

#include "host/globais.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/numbertext.h"

namespace tarvelo {

namespace {

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

bool frmCalcula::GravarArquivoFita()
{
    EstadoFita estado;
    estado.data = shortDate(servicos_.relogio.now().date());
    estado.fita = txtFita.Text();
    estado.total = lblTotal.Caption();
    estado.operador = Tag;
    estado.entrada = txtEntrada.Text();
    estado.visor = lblVisor[0].Caption();
    estado.contador = lblVisor[1].Caption();
    return gravarArquivo(ArquivoFita(globais().gPastaApp, TagHost), EscreverEstadoFita(estado));
}

void frmCalcula::CarregarArquivoFita()
{
    std::optional<EstadoFita> estado;
    if (const auto bytes = lerArquivo(ArquivoFita(globais().gPastaApp, TagHost), kMaiorArquivoFita))
        estado = LerEstadoFita(*bytes);
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
}

}  // namespace tarvelo
