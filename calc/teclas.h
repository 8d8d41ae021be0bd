#pragma once

#include <QString>

namespace tarvelo {

// The characters the engine tells apart among those typed or sent (KeyAscii).
enum class Caractere : int {
    // Not typed: what Enter, ";" and "ç" become when they add, kept as the pending operator.
    Somar = 2,
    Backspace = 8,
    Enter = 13,
    Esc = 27,
    Aspas = 34,
    Porcento = 37,
    Vezes = 42,
    Mais = 43,
    Virgula = 44,
    Menos = 45,
    Ponto = 46,
    Dividir = 47,
    PontoEVirgula = 59,
    Igual = 61,
    CCedilha = 231,
};

// The keys Form_KeyDown and the entry tell apart by their virtual-key code (KeyCode).
enum class CodigoTecla : int {
    PageUp = 33,
    End = 35,
    Home = 36,
    Esquerda = 37,
    Acima = 38,
    Direita = 39,
    Abaixo = 40,
    Delete = 46,
    A = 65,
    C = 67,
    D = 68,
    P = 80,
    R = 82,
    NumLock = 144,
};

// The Shift argument of the key handlers: one bit a key.
enum class Modificador : int { Shift = 1, Ctrl = 2, Alt = 4 };

constexpr int codigo(Caractere c)
{
    return static_cast<int>(c);
}

constexpr int codigo(CodigoTecla t)
{
    return static_cast<int>(t);
}

constexpr int codigo(Modificador m)
{
    return static_cast<int>(m);
}

// An operator as the tape state keeps it in CodigoOperador: its character code in decimal.
inline QString codigoOperador(Caractere operador)
{
    return QString::number(codigo(operador));
}

}  // namespace tarvelo
