#include "controls/controlerror.h"

#include "host/globais.h"

#include <QFileInfo>

namespace tarvelo {

namespace {
thread_local ErrorInfo current;
}

ControlError::ControlError(ErrorInfo info) : std::runtime_error(info.description.toStdString()), info_(std::move(info))
{
}

void RecordError(int number, const QString& source)
{
    current = {number, source, ErrorDescription(number)};
}

const ErrorInfo& CurrentError()
{
    return current;
}

void ClearError()
{
    current = {};
}

QString ErrorDescription(int number)
{
    switch (number) {
    case 9:
        return QStringLiteral("Subscript out of range");
    case 53:
        return QStringLiteral("File not found");
    case 57:
        return QStringLiteral("Device I/O error");
    case 62:
        return QStringLiteral("Input past end of file");
    case 75:
        return QStringLiteral("Path/File access error");
    case 321:
        return QStringLiteral("Invalid file format");
    case 457:
        return QStringLiteral("This key is already associated with an element of this collection");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

QString ErrorSource(const QString& component)
{
    return QFileInfo(globais().gNomeExe).completeBaseName() + QLatin1Char('.') + component;
}

}  // namespace tarvelo
