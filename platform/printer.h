#pragma once

#include <QString>

namespace tarvelo {

// The system printer as the tape needs it: one plain text in one font.
class TextPrinter {
public:
    virtual ~TextPrinter() = default;
    // Whether there is a printer to send a job to at all.
    virtual bool available() = 0;
    // One job: the text from the top-left corner of the printable area, a line per line
    // break, flowing onto a new page where a page is full; no header, footer or margin of
    // our own. False when the job could not be made or sent.
    virtual bool printText(const QString& text, const QString& family, int pointSize) = 0;
};

}  // namespace tarvelo
