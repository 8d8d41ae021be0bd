#pragma once

#include <QString>

#include <stdexcept>

namespace tarvelo {

// An error of a control with the number, source and description its caller sees.
struct ErrorInfo {
    int number = 0;
    QString source;
    QString description;
};

// A raised error: the call stops and the caller catches it.
class ControlError : public std::runtime_error {
public:
    explicit ControlError(ErrorInfo info);
    const ErrorInfo& info() const { return info_; }
    int number() const { return info_.number; }

private:
    ErrorInfo info_;
};

// Recorded errors: the call finishes with its fallback result and leaves the error as the
// current error of the thread, where the caller may look after the call.
void RecordError(int number, const QString& source = QString());
const ErrorInfo& CurrentError();
void ClearError();

// The standard descriptions of the numbers the controls use.
QString ErrorDescription(int number);
// "<executable base name>.<component>", the source of a control's own errors.
QString ErrorSource(const QString& component);

}  // namespace tarvelo
