#include "platform/ui/logindpower.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace tarvelo {

bool LogindPowerService::powerOff()
{
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    // "interactive" false: no password prompt; a user the policy does not allow gets a
    // refusal instead of a dialog nobody may be there to answer.
    request << false;
    const QDBusMessage reply = QDBusConnection::systemBus().call(request, QDBus::Block, 10000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace tarvelo
