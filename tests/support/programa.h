#pragma once

// The program itself, started as a user would, on the test's own platform (offscreen, or
// the X server of an x11 test) and with its own data folder. The build puts it in app/,
// next to the tests' folder.

#include "support/esperar.h"
#include "host/ui/canalinstancia.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tarvelo::teste {

class ProgramaTarvelo : public ::testing::Test {
protected:
    void SetUp() override
    {
        executavel = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/tarvelo");
        if (!QFileInfo(executavel).isExecutable())
            GTEST_SKIP() << "the program is not built: " << executavel.toStdString();
        ASSERT_TRUE(pasta.isValid());
        canal = std::make_unique<CanalInstancia>(CanalInstancia::nomePadrao(pasta.path() + QLatin1Char('/')));
    }

    std::unique_ptr<QProcess> iniciar(const QStringList& argumentos)
    {
        auto processo = std::make_unique<QProcess>();
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"),
                        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")));
        ambiente.insert(QStringLiteral("TARVELO_HOME"), pasta.path());
        processo->setProcessEnvironment(ambiente);
        processo->start(executavel, argumentos);
        EXPECT_TRUE(processo->waitForStarted(kPrazo));
        return processo;
    }

    bool rodando() { return canal->haCopiaRodando(500); }

    static void esperarFimLimpo(QProcess& processo)
    {
        ASSERT_TRUE(processo.waitForFinished(kPrazo)) << "still running";
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit) << processo.readAllStandardError().toStdString();
        EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
    }

    QString executavel;
    QTemporaryDir pasta;
    std::unique_ptr<CanalInstancia> canal;
};

}  // namespace tarvelo::teste
