#pragma once

#include "controls/isubclass.h"
#include "platform/messagecore.h"

#include <QString>

#include <stdexcept>

namespace tarvelo {

// Message-level window subclassing: objects of the program take part in the messages of a
// window, one message at a time.
//
// The first attachment to a window puts SubclassWndProc in place of the window's
// procedure; every message that has clients is then handed to them, the one attached
// last first, and the window's previous procedure runs before, after or not at all as
// the clients' MsgResponse says. All bookkeeping lives in the window's own properties:
//   "<h>"          the previous procedure
//   "C<h>"         the number of (client, message) attachments on the window
//   "<h>#<m>C"     the number of clients of message m
//   "<h>#<m>#<i>"  the id of the i-th client of message m, from 1 in attachment order
// No property ever holds 0: storing 0 removes it.

// A refused attachment. number() is the value the caller sees: 0x80043319 "Can't
// subclass window", 0x8004331A "Message already handled by another class", 0x8004331B
// "Invalid window", 0x8004331C "Can't modify external window", with the source
// "<program>.WindowProc"; or 5, a property that could not be stored.
class SubclassError : public std::runtime_error {
public:
    SubclassError(quint32 number, const QString& source, const QString& description);
    quint32 number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    quint32 number_;
    QString source_;
    QString description_;
};

// Throws SubclassError and leaves the window as it was when the window is invalid,
// belongs to another program, already has this client on this message, or a store fails.
void SubclassAttach(ISubclass& client, WindowHandle hWnd, quint32 iMsg);
// Never fails; a request that does not apply changes nothing. Removing a window's last
// attachment puts its previous procedure back.
void SubclassDetach(ISubclass& client, WindowHandle hWnd, quint32 iMsg);

MessageParam SubclassWndProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam);
// For clients that consume a message and want the window's own handling for some cases;
// 0 when the window is not subclassed.
MessageParam CallPreviousWndProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam);
// The message being handed to a client. A nested dispatch (a client sending another
// message) restores it when it returns, so the outer dispatch reads its own message.
quint32 CurrentMessage();
// Whether the most recent property write was stored.
bool SubclassLastStore();

[[noreturn]] void RaiseSubclassError(quint32 number);

}  // namespace tarvelo
