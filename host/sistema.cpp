#include "host/sistema.h"

#include "host/globais.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
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
// How often a wait for a condition looks again.
constexpr int kPassoEsperaMs = 10;

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

// Window events run for the given milliseconds. Qt's timers run on the monotonic clock:
// the wait ends after that time even across midnight, and the loop sleeps instead of
// spinning.
void rodarEventosPor(int milissegundos)
{
    QEventLoop laco;
    QTimer::singleShot(milissegundos, Qt::PreciseTimer, &laco, &QEventLoop::quit);
    laco.exec();
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
        rodarEventosPor(static_cast<int>(std::min(espera * 1000.0, 86'400'000.0)));
}

bool EsperarAte(const std::function<bool()>& pronto, int milissegundos)
{
    const QDeadlineTimer prazo(milissegundos);
    while (!pronto()) {
        if (prazo.hasExpired())
            return false;
        rodarEventosPor(static_cast<int>(std::min<qint64>(kPassoEsperaMs, prazo.remainingTime())));
    }
    return true;
}

void ManterNumLock(bool opcaoMarcada, NumLockService& numLock)
{
    if (!opcaoMarcada || numLock.isOn())
        return;
    if (numLock.switchOn())
        globais().gNumLockAuto = true;
}

}  // namespace tarvelo
