#include "host/sistema.h"

#include "host/globais.h"
#include "platform/numbertext.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QTimer>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace tarvelo {
namespace {

constexpr int kAberto = 42;
constexpr int kFalhou = 0;

QUrl urlDoAlvo(const QString& alvo)
{
    const QString limpo = alvo.trimmed();
    if (QFileInfo::exists(limpo))
        return QUrl::fromLocalFile(QFileInfo(limpo).absoluteFilePath());
    return QUrl(limpo, QUrl::StrictMode);
}

}  // namespace

int AbrirExterno(const QString& alvo)
{
    const QUrl url = urlDoAlvo(alvo);
    if (!url.isValid() || url.scheme().isEmpty())
        return kFalhou;
    return QDesktopServices::openUrl(url) ? kAberto : kFalhou;
}

void Esperar(const QString& segundos)
{
    const double espera = numberValue(segundos).value_or(0.0);
    if (!(espera > 0.0))
        return;
    // Qt's timers run on the monotonic clock: the wait ends after the given time even
    // across midnight, and the loop sleeps instead of spinning.
    QEventLoop laco;
    QTimer::singleShot(static_cast<int>(std::min(espera * 1000.0, 86'400'000.0)), Qt::PreciseTimer, &laco,
                       &QEventLoop::quit);
    laco.exec();
}

void ManterNumLock(bool opcaoMarcada, NumLockService& numLock)
{
    if (!opcaoMarcada || numLock.isOn())
        return;
    if (numLock.switchOn())
        globais().gNumLockAuto = true;
}

}  // namespace tarvelo
