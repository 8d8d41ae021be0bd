#pragma once

#include "platform/messagecore.h"

#include <memory>
#include <utility>
#include <vector>

namespace tarvelo {

// What the dispatcher does with a window's previous procedure for the message at hand.
enum : qint32 {
    emrConsume = 0,     // not called; the clients' result is the message's result
    emrPostprocess = 1, // called after the clients; its result is the message's result
    emrPreprocess = 2,  // called just before the first-attached client
};

// A client of message-level subclassing (see msubclass.h).
//
// The window keeps its clients by id, never by address: a client that is destroyed while
// still attached detaches itself, and a dispatch that finds an id no longer alive skips
// it. A client owned by a shared_ptr is also kept alive for the length of its own call,
// so it may drop the last reference to itself from inside WindowProc.
class ISubclass : public std::enable_shared_from_this<ISubclass> {
public:
    ISubclass();
    virtual ~ISubclass();
    ISubclass(const ISubclass&) = delete;
    ISubclass& operator=(const ISubclass&) = delete;

    // Read just before the first-attached client's call (emrPreprocess) and after the
    // last call of a dispatch (emrPostprocess); CurrentMessage() says for which message.
    virtual qint32 MsgResponse() { return emrConsume; }
    virtual void setMsgResponse(qint32) {}
    virtual MessageParam WindowProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam)
    {
        return 0;
    }

    // The id the windows' client lists hold; ids are never reused.
    qintptr subclassId() const { return id_; }

private:
    friend void SubclassAttach(ISubclass& client, WindowHandle hWnd, quint32 iMsg);
    friend void SubclassDetach(ISubclass& client, WindowHandle hWnd, quint32 iMsg);

    qintptr id_ = 0;
    std::vector<std::pair<WindowHandle, quint32>> attachments_;
};

}  // namespace tarvelo
