#include "platform/desktopshell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace tarvelo {
namespace {

QUrl targetUrl(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (QFileInfo::exists(trimmed))
        return QUrl::fromLocalFile(QFileInfo(trimmed).absoluteFilePath());
    return QUrl(trimmed, QUrl::StrictMode);
}

// An answer comes from the event loop, never from inside the call or a signal of the
// opener's process: the asker may show a modal message box. It is dropped once `context`
// is gone, also while it waits in the loop.
void answerLater(const QPointer<QObject>& context, const std::function<void()>& answer)
{
    if (context && answer)
        QMetaObject::invokeMethod(context, answer, Qt::QueuedConnection);
}

// xdg-open, which Qt would only start, never learning that it found no handler: its exit
// status says so, while it ends within the time it has to say.
void startOpener(const QString& opener, const QString& target, const QPointer<QObject>& context,
                 ShellService::Answers answers, int answerMs)
{
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    const auto pendingFailure = std::make_shared<std::function<void()>>(std::move(answers.failed));
    const auto fail = [context, pendingFailure] { answerLater(context, std::exchange(*pendingFailure, {})); };
    QObject::connect(process, &QProcess::started, process,
                     [context, started = std::move(answers.started)] { answerLater(context, started); });
    QObject::connect(process, &QProcess::finished, process, [process, fail](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            fail();
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, fail](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        fail();
        process->deleteLater();
    });
    QTimer::singleShot(answerMs, process, [pendingFailure] { *pendingFailure = {}; });
    process->start(opener, {target});
}

}  // namespace

void DesktopShell::open(const QString& target, QObject* context, Answers answers)
{
    const QPointer<QObject> asker(context);
    const QUrl url = targetUrl(target);
    if (!url.isValid() || url.scheme().isEmpty()) {
        answerLater(asker, answers.failed);
        return;
    }
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        answerLater(asker, QDesktopServices::openUrl(url) ? answers.started : answers.failed);
        return;
    }
    startOpener(opener, url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded), asker,
                std::move(answers), answerMs_);
}

}  // namespace tarvelo
