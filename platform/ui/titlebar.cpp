#include "platform/ui/titlebar.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>

namespace tarvelo {

namespace {

// Beside the title, the window manager's title bar holds the window's icon and its buttons.
constexpr int kTitleBarRoom = 100;

}  // namespace

int titleBarWidth(const QString& title)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title.trimmed()) + kTitleBarRoom;
}

}  // namespace tarvelo
