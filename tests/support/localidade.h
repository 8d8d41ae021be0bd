#pragma once

// The locales the program's users run it under. The program's start sets the C library's
// locale from the environment and reads its regional settings from the same locale; a
// guard here does both for one named locale, so a number written or read through the C
// library's locale shows up as a wrong digit.

#include "platform/localeinfo.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <string>

namespace tarvelo::teste {

// "C" first: the digits every other locale must give. scripts/deps.sh generates the others.
inline constexpr std::array<const char*, 5> kLocalidades = {"C", "en_US.UTF-8", "pt_BR.UTF-8", "es_ES.UTF-8",
                                                            "fr_FR.UTF-8"};

class LocalidadeDoProcesso {
public:
    explicit LocalidadeDoProcesso(const char* nome)
        : anterior_(std::setlocale(LC_ALL, nullptr)), regiao_(LocaleInfo::fromQLocale(QLocale(QString::fromLatin1(nome))))
    {
        // A missing locale is a machine the tests cannot speak for: a failure, not a skip.
        if (!std::setlocale(LC_ALL, nome))
            ADD_FAILURE() << "the locale " << nome << " is missing; scripts/deps.sh generates it";
    }
    ~LocalidadeDoProcesso() { std::setlocale(LC_ALL, anterior_.c_str()); }
    LocalidadeDoProcesso(const LocalidadeDoProcesso&) = delete;
    LocalidadeDoProcesso& operator=(const LocalidadeDoProcesso&) = delete;

    const LocaleInfo& regiao() const { return regiao_; }

    // A number written as "C" writes it ("1,234.5") in this locale's symbols.
    QString escrito(const char* textoC) const
    {
        QString texto = QString::fromUtf8(textoC);
        for (QChar& c : texto)
            if (c == QLatin1Char(','))
                c = regiao_.thousandsSeparator;
            else if (c == QLatin1Char('.'))
                c = regiao_.decimalSymbol;
        return texto;
    }

private:
    std::string anterior_;
    LocaleInfo regiao_;
    ScopedLocale programa_{regiao_};
};

}  // namespace tarvelo::teste
