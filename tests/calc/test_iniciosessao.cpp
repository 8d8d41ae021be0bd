#include "calc/iniciosessao.h"

#include "calc/controles.h"
#include "host/globais.h"
#include "host/registro.h"
#include "platform/autostart.h"
#include "platform/registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(IniciarComSessao, TickingWritesTheRunValueAndTheAutostartEntryUntickingRemovesBoth)
{
    ScopedGlobais globais;
    QTemporaryDir pasta;
    Registry registro(pasta.filePath("registry"));
    ScopedRegistry usado(registro);
    QProcessEnvironment env;
    env.insert("TARVELO_HOME", pasta.path());
    const AutostartEntry autostart(env);
    const QString programa = QStringLiteral("/opt/Tarvelo 9/tarvelo");
    MenuItem mnuFicar;

    mnuFicar_Click(mnuFicar, programa, autostart);
    EXPECT_TRUE(mnuFicar.Checked());
    EXPECT_EQ(LerRegistro("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Tarvelo", 7),
              "\"/opt/Tarvelo 9/tarvelo\" systray");
    EXPECT_TRUE(IniciaComSessao());
    QFile entrada(autostart.path());
    ASSERT_TRUE(entrada.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entrada.readAll().contains("\nExec=\"/opt/Tarvelo 9/tarvelo\" systray\n"));

    mnuFicar_Click(mnuFicar, programa, autostart);
    EXPECT_FALSE(mnuFicar.Checked());
    EXPECT_FALSE(IniciaComSessao());
    EXPECT_FALSE(autostart.exists());
}

}  // namespace
