#include "calc/iniciosessao.h"

#include "calc/controles.h"
#include "host/globais.h"
#include "host/registro.h"
#include "platform/autostart.h"

namespace tarvelo {
namespace {

constexpr int kHkeyCurrentUser = 7;
const QString kNomeRun = QStringLiteral("Tarvelo");

QString chaveRun()
{
    return globais().gChaveWindows + QStringLiteral("\\Run");
}

}  // namespace

QString ValorRun(const QString& programa)
{
    return QLatin1Char('"') + programa + QStringLiteral("\" systray");
}

bool IniciaComSessao()
{
    return !LerRegistro(chaveRun(), kNomeRun, kHkeyCurrentUser).isEmpty();
}

void mnuFicar_Click(MenuItem& mnuFicar, const QString& programa, const AutostartEntry& autostart)
{
    if (mnuFicar.Checked()) {
        mnuFicar.setChecked(false);
        ApagarRegistro(chaveRun(), kNomeRun, kHkeyCurrentUser);
        autostart.remove();
    } else {
        mnuFicar.setChecked(true);
        GravarRegistro(chaveRun(), kNomeRun, ValorRun(programa), kHkeyCurrentUser, kRegSz);
        autostart.create(programa);
    }
}

}  // namespace tarvelo
