#include "host/sistema.h"

#include "host/globais.h"
#include "platform/eventwait.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <utility>

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

// The answer comes from the event loop, never from inside the call or a signal of the
// opener's process: it may show a modal message box. It is dropped once `contexto` is gone.
void responderDepois(QObject* contexto, std::function<void(int)> resultado, int valor)
{
    if (!contexto || !resultado)
        return;
    QMetaObject::invokeMethod(
        contexto, [resultado = std::move(resultado), valor] { resultado(valor); }, Qt::QueuedConnection);
}

// xdg-open, which Qt would only start, never learning that it found no handler. The answer
// comes once: when the opener ends, or as opened when it still runs after the time it has to
// say. The process belongs to the program, not to the asker: a window that closes meanwhile
// does not stop the opener, and the process goes when the opener ends.
void abrirComXdgOpen(const QString& abridor, const QString& alvo, QObject* contexto,
                     std::function<void(int)> resultado, int esperaAbridorMs)
{
    auto* processo = new QProcess(QCoreApplication::instance());
    processo->setProcessChannelMode(QProcess::ForwardedChannels);
    processo->setStandardInputFile(QProcess::nullDevice());
    const auto responder = [pendente = std::make_shared<std::function<void(int)>>(std::move(resultado)),
                            contexto = QPointer<QObject>(contexto)](int valor) {
        responderDepois(contexto, std::exchange(*pendente, {}), valor);
    };
    const auto terminar = [processo, responder](int valor) {
        responder(valor);
        processo->deleteLater();
    };
    QObject::connect(processo, &QProcess::finished, processo, [terminar](int codigo, QProcess::ExitStatus status) {
        terminar(status == QProcess::NormalExit && codigo == 0 ? kAberto : kFalhou);
    });
    QObject::connect(processo, &QProcess::errorOccurred, processo, [terminar](QProcess::ProcessError erro) {
        if (erro == QProcess::FailedToStart)
            terminar(kFalhou);
    });
    QTimer::singleShot(esperaAbridorMs, processo, [responder] { responder(kAberto); });
    processo->start(abridor, {alvo});
}

}  // namespace

void AbrirExterno(const QString& alvo, QObject* contexto, std::function<void(int)> resultado, int esperaAbridorMs)
{
    const QUrl url = urlDoAlvo(alvo);
    if (!url.isValid() || url.scheme().isEmpty()) {
        responderDepois(contexto, std::move(resultado), kFalhou);
        return;
    }
    const QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (abridor.isEmpty()) {
        responderDepois(contexto, std::move(resultado), QDesktopServices::openUrl(url) ? kAberto : kFalhou);
        return;
    }
    abrirComXdgOpen(abridor, url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded), contexto,
                    std::move(resultado), esperaAbridorMs);
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
