#pragma once

#include <QString>

namespace tarvelo {

// What the tool windows reach of the calculator: its tape, its entry and its NumLock
// option. The engine model implements it; tool windows and their tests see only this.
class PortaCalculadora {
public:
    virtual ~PortaCalculadora() = default;

    // The interest windows' hand-over (AnexarFita): closes the open calculation, offers to
    // clear a full tape, appends the record followed by CR LF, the separator and CR LF,
    // and resets the calculator.
    virtual void AnexarFita(const QString& registro) = 0;
    // A plain append to the end of the tape, nothing else (the date and weight records).
    virtual void AcrescentarFita(const QString& texto) = 0;
    // A result put into the entry, where it stands as the current number.
    virtual void DefinirEntrada(const QString& numero) = 0;
    // Whether the "NumLock always on" option is ticked.
    virtual bool NumLockMarcado() const = 0;
};

}  // namespace tarvelo
