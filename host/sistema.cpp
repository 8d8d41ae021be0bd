#include "host/sistema.h"

#include "host/globais.h"
#include "platform/eventwait.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace tarvelo {
namespace {

constexpr int kAberto = 42;
constexpr int kFalhou = 0;
// The desktop's opener says within this time whether it found a handler; one still running
// after it is showing the target itself (a browser started in the foreground).
constexpr int kEsperaAbridorMs = 3000;

QUrl urlDoAlvo(const QString& alvo)
{
    const QString limpo = alvo.trimmed();
    if (QFileInfo::exists(limpo))
        return QUrl::fromLocalFile(QFileInfo(limpo).absoluteFilePath());
    return QUrl(limpo, QUrl::StrictMode);
}

// xdg-open, waited for: Qt only starts it and never learns that it found no handler.
bool abrirComXdgOpen(const QString& abridor, const QUrl& url)
{
    auto processo = std::make_unique<QProcess>();
    processo->setProcessChannelMode(QProcess::ForwardedChannels);
    processo->setStandardInputFile(QProcess::nullDevice());
    processo->start(abridor, {url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    if (!processo->waitForStarted())
        return false;
    if (processo->waitForFinished(kEsperaAbridorMs))
        return processo->exitStatus() == QProcess::NormalExit && processo->exitCode() == 0;
    // Still showing the target: it lives on and goes when it ends.
    QProcess* aberto = processo.release();
    aberto->setParent(QCoreApplication::instance());
    QObject::connect(aberto, &QProcess::finished, aberto, &QObject::deleteLater);
    return true;
}

}  // namespace

int AbrirExterno(const QString& alvo)
{
    const QUrl url = urlDoAlvo(alvo);
    if (!url.isValid() || url.scheme().isEmpty())
        return kFalhou;
    const QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!abridor.isEmpty())
        return abrirComXdgOpen(abridor, url) ? kAberto : kFalhou;
    return QDesktopServices::openUrl(url) ? kAberto : kFalhou;
}

void Esperar(const QString& segundos)
{
    const double espera = numberValue(segundos).value_or(0.0);
    if (espera > 0.0)
        runEventsFor(static_cast<int>(std::min(espera * 1000.0, 86'400'000.0)));
}

bool EsperarAte(const std::function<bool()>& pronto, int milissegundos)
{
    return runEventsUntil(pronto, milissegundos);
}

void ManterNumLock(bool opcaoMarcada, NumLockService& numLock)
{
    if (!opcaoMarcada || numLock.isOn())
        return;
    if (numLock.switchOn())
        globais().gNumLockAuto = true;
}

}  // namespace tarvelo
