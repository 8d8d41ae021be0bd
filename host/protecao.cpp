#include "host/protecao.h"

#include "host/registro.h"

namespace tarvelo {
namespace {

constexpr int kUsuarioAtual = 7;

struct Politica {
    const char* subchave;
    const char* valor;
};

constexpr Politica kPoliticas[] = {
    {"\\Policies\\Explorer", "NoSetFolders"},
    {"\\Policies\\Explorer", "NoSetTaskbar"},
    {"\\Policies\\Explorer", "NoSaveSettings"},
    {"\\Policies\\Network", "NoNetSetup"},
    {"\\Policies\\Network", "NoNetSetupIDPage"},
    {"\\Policies\\Network", "NoNetSetupSecurityPage"},
    {"\\Policies\\System", "DisableRegistryTools"},
    {"\\Policies\\System", "NoSecCPL"},
    {"\\Policies\\System", "NoPwdPage"},
    {"\\Policies\\System", "NoAdminPage"},
    {"\\Policies\\System", "NoProfilePage"},
    {"\\Policies\\System", "NoDevMgrPage"},
    {"\\Policies\\System", "NoConfigPage"},
    {"\\Policies\\System", "NoFileSysPage"},
    {"\\Policies\\System", "NoVirtMemPage"},
    {"\\Policies\\System", "NoDispCPL"},
};

}  // namespace

bool ProtegerConfiguracoes(const QString& chaveWindows)
{
    bool tudoGravado = GravarRegistro(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("MenuShowDelay"),
                                      QStringLiteral("10"), kUsuarioAtual, kRegSz);
    for (const Politica& p : kPoliticas) {
        tudoGravado &= GravarRegistro(chaveWindows + QLatin1String(p.subchave), QLatin1String(p.valor),
                                      QStringLiteral("1"), kUsuarioAtual, kRegDword);
    }
    return tudoGravado;
}

void DesprotegerConfiguracoes(const QString& chaveWindows)
{
    for (const Politica& p : kPoliticas)
        ApagarRegistro(chaveWindows + QLatin1String(p.subchave), QLatin1String(p.valor), kUsuarioAtual);
}

}  // namespace tarvelo
