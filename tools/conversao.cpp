#include "tools/conversao.h"

#include "platform/numbermask.h"

#include <array>
#include <cmath>
#include <initializer_list>

namespace tarvelo {
namespace {

struct Passo {
    char op;  // '*', '/', '+', '-'
    double c;
};

struct Alvo {
    const char* legenda;
    std::initializer_list<Passo> cadeia;
};

struct Unidade {
    const char* nome;
    std::initializer_list<Alvo> alvos;
};

// Shared factors. Pounds-force to decanewtons and kilograms per cubic metre to pounds per
// cubic foot are the physical constants, not the mistyped 0.444482 and 6.24276 that once
// stood here.
constexpr double kBarPsi = 14.50377, kPsiKpa = 6.8948, kPsiPa = 6894.8, kBarMPsiPe = 4.4207,
                 kPsiPeKpaM = 22.6206, kBarrilLitro = 158.987, kM3Barril = 6.2898, kGalaoLitro = 3.7854,
                 kM3Galao = 264.173, kBarrilPeLitroM = 521.612, kM3MBarrilPe = 1.917, kBarrilM3 = 0.158987,
                 kLitroBarril = 0.00629, kLibraDaN = 0.444822, kKiloLibra = 2.2046, kToneladaLibra = 2204.6,
                 kKiloLitroPpg = 8.3454, kPpgKiloM3 = 119.826, kLibraBarrilKiloM3 = 2.85307,
                 kKiloM3LibraPe3 = 0.0624276, kLibraPeKiloM = 1.4882;

// clang-format off
const Unidade kTabela[] = {
    {"Bar", {{"PSI", {{'*', kBarPsi}}},
             {"KiloPascal (Kpa)", {{'*', kBarPsi}, {'*', kPsiKpa}}},
             {"Pascal (Pa)", {{'*', kBarPsi}, {'*', kPsiPa}}}}},
    {"Bar/M", {{"PSI/Pés", {{'*', kBarMPsiPe}}},
               {"Kpa/M", {{'*', kBarMPsiPe}, {'*', kPsiPeKpaM}}}}},
    {"Barris", {{"Litros", {{'*', kBarrilLitro}}},
                {"Metros Cúbicos", {{'/', kM3Barril}}},
                {"Galões", {{'*', kBarrilLitro}, {'/', kGalaoLitro}}}}},
    {"Barris/Pés", {{"Litros/Metro", {{'*', kBarrilPeLitroM}}},
                    {"Metros Cúbicos/Metro", {{'/', kM3MBarrilPe}}}}},
    {"Barris/Stroke", {{"Metros Cúbicos/Stroke", {{'*', kBarrilM3}}},
                       {"Litros/Stroke", {{'/', kLitroBarril}}}}},
    {"Centímetros (cm)", {{"Polegadas", {{'/', 2.54}}},
                          {"Milímetros (mm)", {{'*', 10}}},
                          {"Pés (feet)", {{'/', 30.48}}}}},
    {"Decanewtons", {{"Libras", {{'/', kLibraDaN}}},
                     {"Kilos", {{'/', kLibraDaN}, {'/', kKiloLibra}}},
                     {"Toneladas Métricas", {{'/', kLibraDaN}, {'/', kToneladaLibra}}}}},
    {"Galões", {{"Litros", {{'*', kGalaoLitro}}},
                {"Metros Cúbicos", {{'/', kM3Galao}}},
                {"Barris", {{'*', kGalaoLitro}, {'/', kBarrilLitro}}}}},
    {"Graus Celsius", {{"Graus Fahrenheit", {{'*', 1.8}, {'+', 32}}}}},
    {"Graus Fahrenheit", {{"Graus Celsius", {{'-', 32}, {'/', 1.8}}}}},
    {"KiloPascal (Kpa)", {{"PSI", {{'/', kPsiKpa}}},
                          {"Bar", {{'/', kPsiKpa}, {'/', kBarPsi}}},
                          {"Pascal (Pa)", {{'*', 1000}}}}},
    {"Kilos", {{"Libras", {{'*', kKiloLibra}}},
               {"Decanewtons", {{'*', kKiloLibra}, {'*', kLibraDaN}}},
               {"Toneladas Métricas", {{'/', 1000}}}}},
    {"Kilos/Litro", {{"Mud Weight PPG", {{'*', kKiloLitroPpg}}},
                     {"Kilos/Metros Cúbicos", {{'*', kKiloLitroPpg}, {'*', kPpgKiloM3}}},
                     {"Libras/Barril", {{'*', kKiloLitroPpg}, {'*', kPpgKiloM3}, {'/', kLibraBarrilKiloM3}}},
                     {"Libras/Pés Cúbicos", {{'*', kKiloLitroPpg}, {'*', kPpgKiloM3}, {'*', kKiloM3LibraPe3}}}}},
    {"Kilos/Metro", {{"Libras/Pés", {{'/', kLibraPeKiloM}}}}},
    {"Kilos/Metros Cúbico", {{"Libras/Barril", {{'/', kLibraBarrilKiloM3}}},
                             {"Libras/Pés Cúbicos", {{'*', kKiloM3LibraPe3}}},
                             {"Mud Weight PPG", {{'/', kPpgKiloM3}}},
                             {"Kilo/Litro", {{'/', kPpgKiloM3}, {'/', kKiloLitroPpg}}}}},
    {"Kpa/M", {{"PSI/Pés", {{'/', kPsiPeKpaM}}},
               {"Bar/M", {{'/', kPsiPeKpaM}, {'/', kBarMPsiPe}}}}},
    {"Libras", {{"Decanewtons", {{'*', kLibraDaN}}},
                {"Kilos", {{'/', kKiloLibra}}},
                {"Toneladas Métricas", {{'/', kToneladaLibra}}}}},
    {"Libras/Barril", {{"Kilos/Metro Cúbico", {{'*', kLibraBarrilKiloM3}}},
                       {"Mud Weight PPG", {{'*', kLibraBarrilKiloM3}, {'/', kPpgKiloM3}}},
                       {"Libras/Pés Cúbicos", {{'*', kLibraBarrilKiloM3}, {'*', kKiloM3LibraPe3}}},
                       {"Kilo/Litro", {{'*', kLibraBarrilKiloM3}, {'/', kPpgKiloM3}, {'/', kKiloLitroPpg}}}}},
    {"Libras/Pés", {{"Kilos/Metro", {{'*', kLibraPeKiloM}}}}},
    {"Libras/Pés Cúbicos", {{"Kilos/Metros Cúbicos", {{'/', kKiloM3LibraPe3}}},
                            {"Mud Weight PPG", {{'/', kKiloM3LibraPe3}, {'/', kPpgKiloM3}}},
                            {"Libras/Barril", {{'/', kKiloM3LibraPe3}, {'/', kLibraBarrilKiloM3}}},
                            {"Kilo/Litro", {{'/', kKiloM3LibraPe3}, {'/', kPpgKiloM3}, {'/', kKiloLitroPpg}}}}},
    {"Litros", {{"Barris", {{'/', kBarrilLitro}}},
                {"Galões", {{'/', kGalaoLitro}}},
                {"Metros Cúbicos", {{'/', 1000}}}}},
    {"Litros/Metro", {{"Barris/Pés", {{'/', kBarrilPeLitroM}}},
                      {"Metros Cúbicos/Metro", {{'/', kBarrilPeLitroM}, {'/', kM3MBarrilPe}}}}},
    {"Litros/Stroke", {{"Barris/Stroke", {{'*', kLitroBarril}}},
                       {"Metros Cúbicos/Stroke", {{'*', kLitroBarril}, {'*', kBarrilM3}}}}},
    {"Metros (M)", {{"Pés (feet)", {{'/', 0.3048}}}}},
    {"Metros Cúbicos", {{"Barris", {{'*', kM3Barril}}},
                        {"Galões", {{'*', kM3Galao}}},
                        {"Litros", {{'*', 1000}}}}},
    {"Metros Cúbicos/Metro", {{"Barris/Pés", {{'*', kM3MBarrilPe}}},
                              {"Litros/Metro", {{'*', kM3MBarrilPe}, {'*', kBarrilPeLitroM}}}}},
    {"Metros Cúbicos/Stroke", {{"Barris/Stroke", {{'/', kBarrilM3}}},
                               {"Litros/Stroke", {{'/', kBarrilM3}, {'/', kLitroBarril}}}}},
    {"Milhas", {{"Quilômetros", {{'*', 1.609}}}}},
    {"Milímetros (mm)", {{"Polegadas", {{'/', 25.4}}},
                         {"Centímetros (cm)", {{'/', 10}}},
                         {"Pés (feet)", {{'/', 304.8}}}}},
    {"Mud Weight PPG", {{"Kilos/Metros Cúbicos", {{'*', kPpgKiloM3}}},
                        {"Kilo/Litro", {{'/', kKiloLitroPpg}}},
                        {"Libras/Barril", {{'*', kPpgKiloM3}, {'/', kLibraBarrilKiloM3}}},
                        {"Libras/Pés Cúbicos", {{'*', kPpgKiloM3}, {'*', kKiloM3LibraPe3}}}}},
    {"Pascal (Pa)", {{"PSI", {{'/', kPsiPa}}},
                     {"Bar", {{'/', kPsiPa}, {'/', kBarPsi}}},
                     {"KiloPascal (Kpa)", {{'/', 1000}}}}},
    {"Pés (feet)", {{"Metros (M)", {{'*', 0.3048}}},
                    {"Centímetros (cm)", {{'*', 30.48}}},
                    {"Milímetros (mm)", {{'*', 304.8}}}}},
    {"Polegadas", {{"Metros (M)", {{'*', 0.0254}}},
                   {"Centímetros (cm)", {{'*', 2.54}}},
                   {"Milímetros (mm)", {{'*', 25.4}}},
                   {"Pés (feet)", {{'*', 2.54}, {'/', 30.48}}}}},
    {"PSI", {{"Bar", {{'/', kBarPsi}}},
             {"KiloPascal (Kpa)", {{'*', kPsiKpa}}},
             {"Pascal (Pa)", {{'*', kPsiPa}}}}},
    {"PSI/Pés", {{"Kpa/M", {{'*', kPsiPeKpaM}}},
                 {"Bar/M", {{'/', kBarMPsiPe}}}}},
    {"Quilômetros", {{"Milhas", {{'/', 1.609}}}}},
    {"Toneladas Métricas", {{"Libras", {{'*', kToneladaLibra}}},
                            {"Decanewtons", {{'*', kToneladaLibra}, {'*', kLibraDaN}}},
                            {"Kilos", {{'*', 1000}}}}},
};
// clang-format on

std::optional<double> aplicar(std::initializer_list<Passo> cadeia, double r)
{
    for (const Passo& p : cadeia) {
        switch (p.op) {
        case '*': r *= p.c; break;
        case '/': r /= p.c; break;
        case '+': r += p.c; break;
        case '-': r -= p.c; break;
        }
    }
    if (!std::isfinite(r))
        return std::nullopt;
    return r;
}

}  // namespace

QStringList NomesUnidades()
{
    QStringList nomes;
    for (const Unidade& u : kTabela)
        nomes << QString::fromUtf8(u.nome);
    return nomes;
}

std::vector<ResultadoConversao> Converter(int posicao, double valor)
{
    std::vector<ResultadoConversao> resultados;
    if (posicao < 0 || posicao >= int(std::size(kTabela)))
        return resultados;
    for (const Alvo& alvo : kTabela[posicao].alvos)
        resultados.push_back({QString::fromUtf8(alvo.legenda), aplicar(alvo.cadeia, valor)});
    return resultados;
}

QString FormatarNumero(const QString& texto, const LocaleInfo& locale)
{
    return formatNumber(texto, u"#,##0.##########", locale);
}

}  // namespace tarvelo
