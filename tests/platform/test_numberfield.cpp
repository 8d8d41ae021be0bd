#include "platform/numberfield.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

LocaleInfo french(QChar groups)
{
    LocaleInfo locale = LocaleInfo::brazil();
    locale.thousandsSeparator = groups;
    return locale;
}

TEST(NumberField, APastedTextIsTheNumberAsItWouldHaveBeenTyped)
{
    const char* no = nullptr;
    const struct {
        LocaleInfo locale;
        const char* pasted;
        const char* typed;  // none: no number
    } cases[] = {
        {LocaleInfo::brazil(), "1.234", "1234"},
        {LocaleInfo::brazil(), "-1.234.567,50\r\n", "-1234567,50"},
        {LocaleInfo::brazil(), "5,", "5"},
        {LocaleInfo::brazil(), ",5", ",5"},
        {LocaleInfo::brazil(), "1,234.5", no},
        {LocaleInfo::brazil(), "1e5", no},
        {LocaleInfo::brazil(), "1,5E0", no},
        {LocaleInfo::brazil(), "12\n34", no},
        {LocaleInfo::unitedStates(), "1,234.5", "1234.5"},
        {LocaleInfo::unitedStates(), "1.234", "1.234"},
        {LocaleInfo::unitedStates(), "12,5", no},
        // A French desktop groups with a no-break space, narrow or not; people type a blank.
        {french(QChar(0x202F)), "1\u202F234,5", "1234,5"},
        {french(QChar(0x202F)), "1\u00A0234,5", "1234,5"},
        {french(QChar(0x00A0)), "1 234 567", "1234567"},
        {french(QChar(0x00A0)), "12 34", no},
    };
    for (const auto& c : cases) {
        const auto typed = c.typed ? std::optional(QString::fromUtf8(c.typed)) : std::nullopt;
        EXPECT_EQ(pastedNumber(QString::fromUtf8(c.pasted), c.locale), typed) << c.pasted;
    }
}

TEST(NumberField, ATypedCharacterGoesInWhereItKeepsTheFieldANumber)
{
    const NumberField valor{};
    const NumberField inteiro{.decimals = false};
    const NumberField comSinal{.decimals = true, .sign = true};
    const QChar virgula = QLatin1Char(',');
    const struct {
        const char* before;
        const char* after;
        char key;
        NumberField field;
        QChar decimal;
        int taken;
    } cases[] = {
        {"12", "", '.', valor, virgula, ','},
        {"12", "", ',', valor, QLatin1Char('.'), '.'},
        {"1,5", "", ',', valor, virgula, 0},
        {"", "5,5", '.', valor, virgula, 0},         // the decimal symbol after the caret counts too
        {"1.000,00", "", '5', valor, virgula, '5'},  // a formatted amount still takes digits
        {"12", "", ',', inteiro, virgula, 0},
        {"", "5", '-', valor, virgula, 0},
        {"", "5", '-', comSinal, virgula, '-'},
        {"5", "", '-', comSinal, virgula, 0},
        {"", "-5", '-', comSinal, virgula, 0},
        {"", "-5", '3', comSinal, virgula, 0},  // nothing in front of the sign
        {"12", "", 'a', valor, virgula, 0},
        {"12", "", ' ', valor, virgula, 0},
        {"12", "", 8, valor, virgula, 8},
        {"12", "", 13, valor, virgula, 13},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            numberFieldKey(QString::fromLatin1(c.before), QString::fromLatin1(c.after), c.key, c.field, c.decimal),
            c.taken)
            << c.before << "|" << c.after << " key " << int(c.key);
}

}  // namespace
