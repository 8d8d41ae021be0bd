#include "calc/extenso.h"

#include "host/globais.h"
#include "platform/decimal.h"

#include <array>

namespace tarvelo {
namespace {

constexpr std::array<const char16_t*, 19> kUnidades = {
    u"um ", u"dois ", u"três ", u"quatro ", u"cinco ", u"seis ", u"sete ", u"oito ", u"nove ",
    u"dez ", u"onze ", u"doze ", u"treze ", u"quatorze ", u"quinze ", u"dezesseis ",
    u"dezessete ", u"dezoito ", u"dezenove "};
constexpr std::array<const char16_t*, 9> kDezenas = {
    u"dez ", u"vinte ", u"trinta ", u"quarenta ", u"cinquenta ", u"sessenta ", u"setenta ",
    u"oitenta ", u"noventa "};
constexpr std::array<const char16_t*, 9> kCentenas = {
    u"cento ", u"duzentos ", u"trezentos ", u"quatrocentos ", u"quinhentos ", u"seiscentos ",
    u"setecentos ", u"oitocentos ", u"novecentos "};

struct Moeda {
    const char16_t* inteiroUm;
    const char16_t* inteiroVarios;
    const char16_t* centavoUm;
    const char16_t* centavoVarios;
};
constexpr Moeda kReal{u"REAL", u"REAIS", u"CENTAVO", u"CENTAVOS"};
constexpr Moeda kEuro{u"EURO", u"EUROS", u"CÊNTIMO", u"CÊNTIMOS"};

QString s(const char16_t* text) { return QString::fromUtf16(text); }

// The currency follows the user's system language: Brazilian Portuguese uses reais.
const Moeda& moedaDoSistema()
{
    const QString id = QString::number(globais().gLangID, 16);
    return id.right(3) == QLatin1String("416") ? kReal : kEuro;
}

QString dezenaPorExtenso(int d)
{
    if (d == 0)
        return {};
    if (d < 20)
        return s(kUnidades[d - 1]);
    QString words = s(kDezenas[d / 10 - 1]);
    if (d % 10 != 0)
        words += QLatin1String("e ") + s(kUnidades[d % 10 - 1]);
    return words;
}

QString grupoPorExtenso(int n)
{
    if (n == 0)
        return {};
    if (n < 100)
        return dezenaPorExtenso(n);
    if (n % 100 == 0)
        return n == 100 ? QStringLiteral("cem ") : s(kCentenas[n / 100 - 1]);
    return s(kCentenas[n / 100 - 1]) + QLatin1String("e ") + dezenaPorExtenso(n % 100);
}

QString centavos(int k, bool moeda, const Moeda& m)
{
    QString words = grupoPorExtenso(k);
    if (moeda)
        words += s(k == 1 ? m.centavoUm : m.centavoVarios);
    return words;
}

QString inteiroPorExtenso(const std::array<int, 4>& g, bool um, bool moeda, const Moeda& m)
{
    QString r;
    auto conector = [&r] {
        if (!r.isEmpty())
            r += QLatin1String("e ");
    };
    if (g[0] != 0)
        r = grupoPorExtenso(g[0]) + (g[0] > 1 ? s(u"bilhões ") : s(u"bilhão "));
    if (g[1] == 0 && g[2] == 0 && g[3] == 0) {
        r += QLatin1String("de ");
    } else if (g[1] != 0) {
        conector();
        r += grupoPorExtenso(g[1]) + (g[1] > 1 ? s(u"milhões ") : s(u"milhão "));
    }
    if (g[2] == 0 && g[3] == 0 && g[1] != 0) {
        r += QLatin1String("de ");
    } else if (g[2] != 0) {
        conector();
        r += grupoPorExtenso(g[2]) + QLatin1String("mil ");
    }
    if (g[3] != 0)
        conector();
    r += grupoPorExtenso(g[3]);
    if (moeda)
        r += s(um ? m.inteiroUm : m.inteiroVarios);
    return r;
}

}  // namespace

QString ConverterExtenso(const QString& valor, bool moeda, MessageService& mensagens)
{
    const Moeda& m = moedaDoSistema();
    const std::optional<Decimal> lido = Decimal::fromText(valor);
    static const Decimal minimo = *Decimal::fromText(QStringLiteral("0.01"), LocaleInfo::unitedStates());
    static const Decimal maximo =
        *Decimal::fromText(QStringLiteral("999999999999.99"), LocaleInfo::unitedStates());
    if (!lido || *lido < minimo || *lido > maximo) {
        mensagens.show(QStringLiteral("Dados inválidos para se converter por extenso"), mb::Exclamation);
        return {};
    }

    // Cents in whole numbers, rounded on the decimal value: 0,015 is two cents.
    const mpz_class emCentavos = mpz_class(lido->roundedHalfAway(2).rational() * 100);
    const long k = mpz_class(emCentavos % 100).get_si();
    mpz_class inteiro = emCentavos / 100;
    const bool um = inteiro == 1;
    std::array<int, 4> grupos{};
    for (int i = 3; i >= 0; --i) {
        grupos[i] = static_cast<int>(mpz_class(inteiro % 1000).get_si());
        inteiro /= 1000;
    }

    QString r;
    if (grupos == std::array<int, 4>{}) {
        r = centavos(static_cast<int>(k), moeda, m);
    } else {
        r = inteiroPorExtenso(grupos, um, moeda, m);
        if (k != 0)
            r += QLatin1String(" e ") + centavos(static_cast<int>(k), moeda, m);
    }
    return r.toUpper();
}

}  // namespace tarvelo
