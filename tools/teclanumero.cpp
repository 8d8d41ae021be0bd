#include "tools/teclanumero.h"

namespace tarvelo {

int TeclaNumero(const QString& texto, int KeyAscii, const QString& decimal)
{
    const bool separador = KeyAscii == ',' || KeyAscii == '.';
    if (separador && texto.contains(decimal))
        return 0;
    if ((KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == 8)
        return KeyAscii;
    if (separador)
        return decimal == QLatin1String(",") ? ',' : '.';
    return 0;
}

}  // namespace tarvelo
