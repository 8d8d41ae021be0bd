#include "platform/messagecore.h"

#include <QObject>
#include <QPointer>

#include <limits>
#include <map>
#include <unistd.h>
#include <unordered_map>

namespace tarvelo {
namespace {

struct Window {
    WindowProcedure procedure = nullptr;
    QPointer<QObject> object;
    const QObject* objectKey = nullptr;
    QMetaObject::Connection objectWatch;
    qint64 processId = 0;
    bool destroying = false;
    std::map<std::string, qintptr, std::less<>> properties;
};

struct Core {
    std::unordered_map<WindowHandle, Window> windows;
    std::unordered_map<const QObject*, WindowHandle> byObject;
    // Handles count up and are never handed out twice, so a stale handle kept by
    // someone can never reach a newer window.
    WindowHandle next = 0x10;
};

Core& core()
{
    static Core instance;
    return instance;
}

Window* find(WindowHandle hWnd)
{
    auto& windows = core().windows;
    const auto it = windows.find(hWnd);
    return it == windows.end() ? nullptr : &it->second;
}

Window* findOwn(WindowHandle hWnd)
{
    Window* w = find(hWnd);
    return w && w->processId == GetCurrentProcessId() ? w : nullptr;
}

WindowHandle allocate()
{
    Core& c = core();
    if (c.next >= std::numeric_limits<WindowHandle>::max() - 2)
        return 0;
    const WindowHandle h = c.next;
    c.next += 2;
    return h;
}

}  // namespace

WindowHandle CreateWindowHandle(WindowProcedure procedure, QObject* object)
{
    const WindowHandle h = allocate();
    if (h == 0)
        return 0;
    Window w;
    w.procedure = procedure;
    w.processId = GetCurrentProcessId();
    if (object) {
        w.object = object;
        w.objectKey = object;
        w.objectWatch = QObject::connect(object, &QObject::destroyed, [h] { DestroyWindowHandle(h); });
        core().byObject[object] = h;
    }
    core().windows.emplace(h, std::move(w));
    return h;
}

WindowHandle RegisterExternalWindow(qint64 processId)
{
    const WindowHandle h = allocate();
    if (h == 0)
        return 0;
    Window w;
    w.processId = processId;
    core().windows.emplace(h, std::move(w));
    return h;
}

void DestroyWindowHandle(WindowHandle hWnd)
{
    Window* w = find(hWnd);
    if (!w || w->destroying)
        return;
    w->destroying = true;
    if (w->processId == GetCurrentProcessId()) {
        SendMessage(hWnd, WM_DESTROY, 0, 0);
        SendMessage(hWnd, WM_NCDESTROY, 0, 0);
    }
    // The procedures may have created or destroyed other windows: look it up again.
    w = find(hWnd);
    if (!w)
        return;
    QObject::disconnect(w->objectWatch);
    if (w->objectKey)
        core().byObject.erase(w->objectKey);
    core().windows.erase(hWnd);
}

bool IsWindow(WindowHandle hWnd) { return find(hWnd) != nullptr; }

qint64 GetCurrentProcessId() { return static_cast<qint64>(::getpid()); }

qint64 GetWindowProcessId(WindowHandle hWnd)
{
    const Window* w = find(hWnd);
    return w ? w->processId : 0;
}

WindowProcedure GetWindowProcedure(WindowHandle hWnd)
{
    const Window* w = findOwn(hWnd);
    return w ? w->procedure : nullptr;
}

WindowProcedure SetWindowProcedure(WindowHandle hWnd, WindowProcedure procedure)
{
    Window* w = findOwn(hWnd);
    if (!w)
        return nullptr;
    const WindowProcedure previous = w->procedure;
    w->procedure = procedure;
    return previous;
}

MessageParam CallWindowProc(WindowProcedure procedure, WindowHandle hWnd, quint32 message,
                            MessageParam wParam, MessageParam lParam)
{
    return procedure ? procedure(hWnd, message, wParam, lParam) : 0;
}

MessageParam SendMessage(WindowHandle hWnd, quint32 message, MessageParam wParam, MessageParam lParam)
{
    return CallWindowProc(GetWindowProcedure(hWnd), hWnd, message, wParam, lParam);
}

MessageParam DefWindowProc(WindowHandle, quint32, MessageParam, MessageParam) { return 0; }

bool SetProp(WindowHandle hWnd, std::string_view name, qintptr value)
{
    Window* w = findOwn(hWnd);
    if (!w)
        return false;
    const auto it = w->properties.find(name);
    if (it != w->properties.end())
        it->second = value;
    else
        w->properties.emplace(std::string(name), value);
    return true;
}

qintptr GetProp(WindowHandle hWnd, std::string_view name)
{
    const Window* w = findOwn(hWnd);
    if (!w)
        return 0;
    const auto it = w->properties.find(name);
    return it == w->properties.end() ? 0 : it->second;
}

qintptr RemoveProp(WindowHandle hWnd, std::string_view name)
{
    Window* w = findOwn(hWnd);
    if (!w)
        return 0;
    const auto it = w->properties.find(name);
    if (it == w->properties.end())
        return 0;
    const qintptr value = it->second;
    w->properties.erase(it);
    return value;
}

std::vector<std::string> EnumProps(WindowHandle hWnd)
{
    std::vector<std::string> names;
    if (const Window* w = findOwn(hWnd))
        for (const auto& [name, value] : w->properties)
            names.push_back(name);
    return names;
}

QObject* WindowObject(WindowHandle hWnd)
{
    const Window* w = find(hWnd);
    return w ? w->object.data() : nullptr;
}

WindowHandle WindowFromObject(const QObject* object)
{
    const auto& byObject = core().byObject;
    const auto it = byObject.find(object);
    return it == byObject.end() ? 0 : it->second;
}

}  // namespace tarvelo
