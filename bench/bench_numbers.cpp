// Mask formatting and number reading run on every key press and every clipboard tick.
#include "platform/decimal.h"
#include "platform/numbermask.h"
#include "platform/numbertext.h"

#include <benchmark/benchmark.h>

#include <array>

using namespace tarvelo;

namespace {

constexpr std::array<double, 5> kValues = {0.0, 5.0, 1234.5, -98765.4321, 1.0 / 3.0};
constexpr std::array<const char16_t*, 5> kTexts = {u"0", u"1.234,56", u"  -12,5\r\n", u"1,5e3", u"abc"};

void formatDoubles(benchmark::State& state, QStringView mask)
{
    const LocaleInfo locale = LocaleInfo::brazil();
    for (auto _ : state)
        for (const double v : kValues)
            benchmark::DoNotOptimize(formatNumber(v, mask, locale));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kValues.size()));
}

void formatDecimals(benchmark::State& state, QStringView mask)
{
    const LocaleInfo locale = LocaleInfo::brazil();
    std::array<Decimal, kValues.size()> values;
    for (std::size_t i = 0; i < kValues.size(); ++i)
        values[i] = Decimal::fromDouble(kValues[i]);
    values.back() = *divide(Decimal(1), Decimal(3));
    for (auto _ : state)
        for (const Decimal& v : values)
            benchmark::DoNotOptimize(formatNumber(v, mask, locale));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(values.size()));
}

void BM_FormatDouble_Money6(benchmark::State& s) { formatDoubles(s, u"#,##0.00####"); }
void BM_FormatDouble_Numeral10(benchmark::State& s) { formatDoubles(s, u"#,##0.##########"); }
void BM_FormatDecimal_Money6(benchmark::State& s) { formatDecimals(s, u"#,##0.00####"); }
void BM_FormatDecimal_Numeral10(benchmark::State& s) { formatDecimals(s, u"#,##0.##########"); }

void BM_NumberValue(benchmark::State& state)
{
    const LocaleInfo locale = LocaleInfo::brazil();
    for (auto _ : state)
        for (const char16_t* t : kTexts)
            benchmark::DoNotOptimize(numberValue(QStringView(t), locale));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kTexts.size()));
}

void BM_IsNumeric(benchmark::State& state)
{
    const LocaleInfo locale = LocaleInfo::brazil();
    for (auto _ : state)
        for (const char16_t* t : kTexts)
            benchmark::DoNotOptimize(isNumeric(QStringView(t), locale));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kTexts.size()));
}

}  // namespace

BENCHMARK(BM_FormatDouble_Money6);
BENCHMARK(BM_FormatDouble_Numeral10);
BENCHMARK(BM_FormatDecimal_Money6);
BENCHMARK(BM_FormatDecimal_Numeral10);
BENCHMARK(BM_NumberValue);
BENCHMARK(BM_IsNumeric);
