#include "controls/msubclass.h"

#include "host/globais.h"

#include <QFileInfo>

#include <string>
#include <unordered_map>

namespace tarvelo {
namespace {

std::unordered_map<qintptr, ISubclass*>& clients()
{
    static std::unordered_map<qintptr, ISubclass*> instance;
    return instance;
}

qintptr g_nextId = 1;
quint32 g_currentMessage = 0;
int g_dispatchDepth = 0;
bool g_lastStore = false;

ISubclass* lookup(qintptr id)
{
    const auto it = clients().find(id);
    return it == clients().end() ? nullptr : it->second;
}

std::string num(qint64 v) { return std::to_string(v); }
std::string msg(quint32 m) { return num(static_cast<qint32>(m)); }

std::string prevName(WindowHandle h) { return num(h); }
std::string attachCountName(WindowHandle h) { return "C" + num(h); }
std::string clientCountName(WindowHandle h, quint32 m) { return num(h) + "#" + msg(m) + "C"; }
std::string entryName(WindowHandle h, quint32 m, qintptr i) { return num(h) + "#" + msg(m) + "#" + num(i); }

qintptr read(WindowHandle h, const std::string& name) { return GetProp(h, name); }

// Writing 0 removes the property, so no property ever holds 0.
bool store(WindowHandle h, const std::string& name, qintptr value)
{
    g_lastStore = SetProp(h, name, value);
    if (value == 0)
        RemoveProp(h, name);
    return g_lastStore;
}

WindowProcedure previousOf(WindowHandle h) { return reinterpret_cast<WindowProcedure>(read(h, prevName(h))); }

bool ownWindow(WindowHandle h) { return GetWindowProcessId(h) == GetCurrentProcessId(); }

qint32 responseOf(ISubclass& client)
{
    try {
        return client.MsgResponse();
    } catch (...) {
        return -1;  // a failing read skips the step that needed it
    }
}

MessageParam callSafely(WindowProcedure proc, WindowHandle h, quint32 m, MessageParam w, MessageParam l,
                        bool& ok)
{
    try {
        ok = true;
        return CallWindowProc(proc, h, m, w, l);
    } catch (...) {
        ok = false;
        return 0;
    }
}

// Gives the outer dispatch its own message back when a nested one returns.
class CurrentMessageScope {
public:
    CurrentMessageScope() : saved_(g_currentMessage) { ++g_dispatchDepth; }
    ~CurrentMessageScope()
    {
        if (--g_dispatchDepth > 0)
            g_currentMessage = saved_;
    }
    CurrentMessageScope(const CurrentMessageScope&) = delete;
    CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

private:
    quint32 saved_;
};

QString description(quint32 number)
{
    switch (number) {
    case 13081: return QStringLiteral("Can't subclass window");
    case 13082: return QStringLiteral("Message already handled by another class");
    case 13083: return QStringLiteral("Invalid window");
    case 13084: return QStringLiteral("Can't modify external window");
    case 5: return QStringLiteral("Invalid procedure call or argument");
    default: return QString();
    }
}

}  // namespace

ISubclass::ISubclass() : id_(g_nextId++) { clients().emplace(id_, this); }

ISubclass::~ISubclass()
{
    // Detach from every window still holding us, so no list keeps a dead id.
    const auto attachments = attachments_;
    for (const auto& [hWnd, iMsg] : attachments)
        SubclassDetach(*this, hWnd, iMsg);
    clients().erase(id_);
}

SubclassError::SubclassError(quint32 number, const QString& source, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), source_(source), description_(description)
{
}

void RaiseSubclassError(quint32 number)
{
    if (number > 1000) {
        const QString source = QFileInfo(globais().gNomeExe).completeBaseName() + QStringLiteral(".WindowProc");
        throw SubclassError(number | 0x80040000u, source, description(number));
    }
    throw SubclassError(number, QString(), description(number));
}

void SubclassAttach(ISubclass& client, WindowHandle hWnd, quint32 iMsg)
{
    if (!IsWindow(hWnd))
        RaiseSubclassError(13083);
    if (!ownWindow(hWnd))
        RaiseSubclassError(13084);

    const qintptr id = client.subclassId();
    const std::string countName = clientCountName(hWnd, iMsg);
    const qintptr c = read(hWnd, countName);
    for (qintptr i = 1; i <= c; ++i)
        if (read(hWnd, entryName(hWnd, iMsg, i)) == id)
            RaiseSubclassError(13082);

    if (!store(hWnd, countName, c + 1))
        RaiseSubclassError(5);
    const std::string newEntry = entryName(hWnd, iMsg, c + 1);
    if (!store(hWnd, newEntry, id)) {
        store(hWnd, countName, c);
        RaiseSubclassError(5);
    }

    const std::string attachName = attachCountName(hWnd);
    const qintptr attachments = read(hWnd, attachName);
    if (attachments == 0) {
        const WindowProcedure previous = SetWindowProcedure(hWnd, &SubclassWndProc);
        if (!previous) {
            // Nothing to chain to: take our procedure off again, so a refused attachment
            // really leaves the window as it was.
            SetWindowProcedure(hWnd, nullptr);
            store(hWnd, newEntry, 0);
            store(hWnd, countName, c);
            RaiseSubclassError(13081);
        }
        if (!store(hWnd, prevName(hWnd), reinterpret_cast<qintptr>(previous))) {
            SetWindowProcedure(hWnd, previous);
            store(hWnd, newEntry, 0);
            store(hWnd, countName, c);
            RaiseSubclassError(5);
        }
    }
    if (!store(hWnd, attachName, attachments + 1)) {
        store(hWnd, newEntry, 0);
        store(hWnd, countName, c);
        if (attachments == 0) {
            if (const WindowProcedure previous = previousOf(hWnd))
                SetWindowProcedure(hWnd, previous);
            store(hWnd, prevName(hWnd), 0);
        }
        RaiseSubclassError(5);
    }
    client.attachments_.emplace_back(hWnd, iMsg);
}

void SubclassDetach(ISubclass& client, WindowHandle hWnd, quint32 iMsg)
{
    auto& mine = client.attachments_;
    for (auto it = mine.begin(); it != mine.end(); ++it)
        if (it->first == hWnd && it->second == iMsg) {
            mine.erase(it);
            break;
        }

    if (!IsWindow(hWnd) || !ownWindow(hWnd))
        return;
    const std::string countName = clientCountName(hWnd, iMsg);
    const qintptr c = read(hWnd, countName);
    if (c <= 0)
        return;
    const qintptr id = client.subclassId();
    qintptr k = 0;
    for (qintptr i = 1; i <= c; ++i)
        if (read(hWnd, entryName(hWnd, iMsg, i)) == id) {
            k = i;
            break;
        }
    if (k == 0)
        return;
    for (qintptr i = k; i < c; ++i)
        store(hWnd, entryName(hWnd, iMsg, i), read(hWnd, entryName(hWnd, iMsg, i + 1)));
    store(hWnd, entryName(hWnd, iMsg, c), 0);
    store(hWnd, countName, c - 1);

    const std::string attachName = attachCountName(hWnd);
    const qintptr attachments = read(hWnd, attachName);
    if (attachments == 1) {
        if (const WindowProcedure previous = previousOf(hWnd))
            SetWindowProcedure(hWnd, previous);
        store(hWnd, prevName(hWnd), 0);
    }
    store(hWnd, attachName, attachments - 1);
}

MessageParam SubclassWndProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam)
{
    const WindowProcedure previous = previousOf(hWnd);
    if (!previous)
        return 0;
    const CurrentMessageScope scope;

    MessageParam result = 0;
    bool previousCalled = false;
    bool ok = false;
    const qintptr count = read(hWnd, clientCountName(hWnd, iMsg));
    if (count > 0) {
        qintptr lastCalled = 0;
        for (qintptr n = count; n >= 1; --n) {
            const qintptr id = read(hWnd, entryName(hWnd, iMsg, n));
            if (id == 0 || globais().gFechando)
                continue;
            ISubclass* client = lookup(id);
            if (!client)
                continue;
            const std::shared_ptr<ISubclass> keep = client->weak_from_this().lock();
            g_currentMessage = iMsg;
            if (n == 1 && !previousCalled && responseOf(*client) == emrPreprocess) {
                const MessageParam r = callSafely(previous, hWnd, iMsg, wParam, lParam, ok);
                if (ok)
                    result = r;
                previousCalled = true;
                client = lookup(id);  // the previous procedure may have ended it
                if (!client)
                    continue;
            }
            lastCalled = id;
            try {
                result = client->WindowProc(hWnd, iMsg, wParam, lParam);
            } catch (...) {
            }
        }
        if (lastCalled != 0 && !previousCalled) {
            ISubclass* last = lookup(lastCalled);
            if (last && responseOf(*last) == emrPostprocess) {
                const MessageParam r = callSafely(previous, hWnd, iMsg, wParam, lParam, ok);
                if (ok)
                    result = r;
            }
        }
        return result;
    }

    if (iMsg == WM_DESTROY) {
        // The window is going away with nobody listening for that: give it back its own
        // procedure before that procedure hears of it.
        if (read(hWnd, attachCountName(hWnd)) > 0)
            SetWindowProcedure(hWnd, previous);
        store(hWnd, prevName(hWnd), 0);
        store(hWnd, attachCountName(hWnd), 0);
    }
    result = callSafely(previous, hWnd, iMsg, wParam, lParam, ok);
    return result;
}

MessageParam CallPreviousWndProc(WindowHandle hWnd, quint32 iMsg, MessageParam wParam, MessageParam lParam)
{
    const WindowProcedure previous = previousOf(hWnd);
    return previous ? CallWindowProc(previous, hWnd, iMsg, wParam, lParam) : 0;
}

quint32 CurrentMessage() { return g_currentMessage; }

bool SubclassLastStore() { return g_lastStore; }

}  // namespace tarvelo
