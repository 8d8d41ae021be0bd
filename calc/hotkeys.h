#pragma once

#include "platform/hotkeys.h"
#include "platform/messagecore.h"

#include <array>

namespace tarvelo {

class ClipboardService;
class frmCalcula;
class KeyButton;
class KeystrokeService;

// What the global hotkeys reach outside the calculator.
struct ServicosHotKeys {
    HotKeyService& hotkeys;
    KeystrokeService& teclas;
    ClipboardService& clipboard;
};

// The calculator's global hotkeys: Ctrl with the numeric keypad and a few more
// combinations work while another program has the focus or the window is minimised.
// Each is registered on the window of its keypad key (KeyButton::hWnd), whose procedure
// becomes WndProcTecla; a hotkey then presses that key through its handler with the
// mouse-button argument 0, which leaves the focus where it is.
class HotKeysCalcula {
public:
    HotKeysCalcula(frmCalcula& form, const ServicosHotKeys& servicos);
    ~HotKeysCalcula();
    HotKeysCalcula(const HotKeysCalcula&) = delete;
    HotKeysCalcula& operator=(const HotKeysCalcula&) = delete;

    // Keys without a window are skipped; a key already taken keeps its first procedure.
    void RegistrarHotKeys();
    // Also for keys never registered: their windows keep the procedure they have. A hotkey
    // still being handled (Ctrl+Insert waiting for the copy) stops at its next step.
    void RemoverHotKeys();

    struct Atalho {
        KeyButton* tecla;
        HotKeyCombination teclas;
    };
    // The 21 hotkeys, the digits 0 to 9 first; a window that holds several keys answers
    // as the first of them.
    const std::array<Atalho, 21>& atalhos() const { return atalhos_; }

private:
    friend MessageParam WndProcTecla(WindowHandle, quint32, MessageParam, MessageParam);
    void hotkey(WindowHandle hWnd);
    void pressionar(std::size_t indice);
    void somar();
    void colar();
    void janelaDestruida(WindowHandle hWnd);
    void restaurarProcedimento(WindowHandle hWnd);

    frmCalcula& form_;
    ServicosHotKeys servicos_;
    std::array<Atalho, 21> atalhos_;
    bool registradas_ = false;
};

// The procedure of a keypad key's window while its hotkey is registered: WM_HOTKEY
// presses the key, WM_NCDESTROY releases the hotkey; every message then goes on to the
// procedure the window had before.
MessageParam WndProcTecla(WindowHandle hWnd, quint32 uMsg, MessageParam wParam, MessageParam lParam);

}  // namespace tarvelo
