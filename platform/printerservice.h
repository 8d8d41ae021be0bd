#pragma once

#include <QList>
#include <QString>

class QPicture;

namespace tarvelo {

// An installed printer as the user knows it: the name the system lists it under and
// where it is (its location; empty when the system gives none).
struct PrinterInfo {
    QString deviceName;
    QString port;
};

// The program's printers for documents and window images: the installed printers, the
// program's current printer (the system default until a name is chosen) and the printing
// of one window image as one page.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // The installed printers in the system's order.
    virtual QList<PrinterInfo> printers() = 0;

    // Makes the current printer follow the system default printer (true), or stay on the
    // printer last chosen with setCurrentPrinter (false).
    virtual void setTrackDefault(bool follow) = 0;
    virtual bool trackDefault() const = 0;
    // Chooses an installed printer by its exact name; an unknown name changes nothing and
    // gives false. Choosing also stops following the default.
    virtual bool setCurrentPrinter(const QString& deviceName) = 0;
    // The name of the printer the next page goes to, "" when there is none.
    virtual QString currentPrinter() = 0;

    // One job of one page on the current printer: the window image, whose units are screen
    // pixels, laid from the top-left corner of the printable area at its size on the
    // screen. False when there is no printer or the job could not be made or sent.
    virtual bool printForm(const QPicture& image) = 0;
};

}  // namespace tarvelo
