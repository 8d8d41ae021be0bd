#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

class QObject;

namespace tarvelo {

// Window handles and messages of our own, in place of the platform's window manager.
//
// Code written against window procedures (the keypad's global hotkeys, message-level
// subclassing of the owner-drawn menus) needs a handle that stays valid for a widget's
// whole life, one procedure per handle that can be replaced and chained, and named
// properties stored on the window. Qt has none of these, so this small core keeps them:
// handles are plain integers that are never reused, a procedure is a plain function
// pointer (all windows of one kind share one), and properties are pointer-sized values
// under 8-bit names. Only the messages the program listens to ever travel through it;
// Qt event filters and signals feed those in. Everything runs on the UI thread.

using WindowHandle = qint32;
using MessageParam = qintptr;  // wParam, lParam and results
using WindowProcedure = MessageParam (*)(WindowHandle hWnd, quint32 message, MessageParam wParam,
                                         MessageParam lParam);

inline constexpr quint32 WM_DESTROY = 0x0002;
inline constexpr quint32 WM_CLOSE = 0x0010;
inline constexpr quint32 WM_SETHOTKEY = 0x0032;
inline constexpr quint32 WM_DRAWITEM = 0x002B;
inline constexpr quint32 WM_MEASUREITEM = 0x002C;
inline constexpr quint32 WM_NCDESTROY = 0x0082;
inline constexpr quint32 WM_HOTKEY = 0x0312;
inline constexpr quint32 WM_USER = 0x0400;

// A new window of this process with the given procedure (which may be null), optionally
// standing for `object`. When the object is destroyed while its window still exists, the
// window is destroyed with it. Returns 0 only when the handle range is used up.
WindowHandle CreateWindowHandle(WindowProcedure procedure, QObject* object = nullptr);

// A handle for a window owned by another program (for instance the window under the
// cursor): it takes no procedure and no properties and gets no messages.
WindowHandle RegisterExternalWindow(qint64 processId);

// WM_DESTROY and then WM_NCDESTROY go through the window's procedure chain, while the
// handle is still valid; afterwards the handle, its properties and procedure are gone and
// IsWindow gives false for good. A second call, also from inside those messages, does
// nothing.
void DestroyWindowHandle(WindowHandle hWnd);

bool IsWindow(WindowHandle hWnd);
qint64 GetCurrentProcessId();
qint64 GetWindowProcessId(WindowHandle hWnd);  // 0 when there is no such window

// The window's procedure; replacing it returns the one in place before, or null when the
// window does not exist, belongs to another program or had none.
WindowProcedure GetWindowProcedure(WindowHandle hWnd);
WindowProcedure SetWindowProcedure(WindowHandle hWnd, WindowProcedure procedure);

// Calls `procedure` with the message (0 for a null procedure).
MessageParam CallWindowProc(WindowProcedure procedure, WindowHandle hWnd, quint32 message,
                            MessageParam wParam, MessageParam lParam);
// Sends the message to the window's current procedure, synchronously; 0 when the window
// does not exist or has no procedure.
MessageParam SendMessage(WindowHandle hWnd, quint32 message, MessageParam wParam = 0,
                         MessageParam lParam = 0);
// The end of every chain: handles nothing.
MessageParam DefWindowProc(WindowHandle hWnd, quint32 message, MessageParam wParam,
                           MessageParam lParam);

// Named properties. SetProp stores any value, 0 included, and returns false when the
// window does not exist or belongs to another program; GetProp gives 0 for a missing
// property; RemoveProp returns the value it removed (0 when there was none).
bool SetProp(WindowHandle hWnd, std::string_view name, qintptr value);
qintptr GetProp(WindowHandle hWnd, std::string_view name);
qintptr RemoveProp(WindowHandle hWnd, std::string_view name);
std::vector<std::string> EnumProps(WindowHandle hWnd);  // sorted by name

// The object a window stands for (null when none or gone), and the other way round.
QObject* WindowObject(WindowHandle hWnd);
WindowHandle WindowFromObject(const QObject* object);

}  // namespace tarvelo
