#pragma once

#include "platform/printer.h"

#include <QString>

namespace tarvelo {

// The tape on the user's default printer through QPrinter, or into a PDF file (for a
// user without a printer, and for tests). The font is asked for by name with a
// typewriter hint, so that a system without it still prints in a fixed pitch.
class QtTextPrinter final : public TextPrinter {
public:
    QtTextPrinter() = default;
    static QtTextPrinter pdf(const QString& path);

    bool available() override;
    bool printText(const QString& text, const QString& family, int pointSize) override;

private:
    QString pdfPath_;
};

}  // namespace tarvelo
