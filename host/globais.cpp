#include "host/globais.h"

namespace tarvelo {

Globais& globais()
{
    static Globais instance;
    return instance;
}

}  // namespace tarvelo
