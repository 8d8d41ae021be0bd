// The calculator window's global hotkeys: the keypad's (calc/hotkeys.h), the paste window
// they share the keystroke service with, and the activation hotkey Ctrl+Shift+C.

#include "mainwindow/janelacalcula.h"

#include "calc/hotkeys.h"
#include "mainwindow/frmpaste.h"
#include "platform/hotkeys.h"

namespace tarvelo {
namespace {

// The activation hotkey's id on the window's own handle.
constexpr int kIdAtivacao = 1;

}  // namespace

void JanelaCalcula::ligarHotKeys()
{
    hWnd_ = CreateWindowHandle(&WndProcJanela, this);
    if (servicos_.hotkeys)
        hotkeys_ = std::make_unique<HotKeysCalcula>(
            form_, ServicosHotKeys{*servicos_.hotkeys, servicos_.teclas, servicos_.clipboard});
    // Without a way to type into other programs the click on the display only copies.
    connect(&form_, &frmCalcula::MostrarPaste, this, [this] {
        if (servicos_.teclas.available())
            frmPaste::ShowModal(servicos_.teclas, this);
    });
}

// The hotkeys' object stays until the window goes: a hotkey whose handler lets events run
// (Ctrl+Insert's wait, a message) may be on the stack below the unload.
void JanelaCalcula::liberarHotKeys()
{
    RemoverHotKeys();
    DestroyWindowHandle(hWnd_);
}

void JanelaCalcula::RegistrarHotKeys()
{
    if (hotkeys_)
        hotkeys_->RegistrarHotKeys();
}

void JanelaCalcula::RemoverHotKeys()
{
    if (hotkeys_)
        hotkeys_->RemoverHotKeys();
}

bool JanelaCalcula::HotKeysDisponiveis() const
{
    return servicos_.hotkeys && servicos_.hotkeys->available();
}

// WM_SETHOTKEY gives the window a hotkey that brings it to the front (0 takes it away); it
// goes with the window's handle.
MessageParam JanelaCalcula::WndProcJanela(WindowHandle hWnd, quint32 uMsg, MessageParam wParam, MessageParam lParam)
{
    auto* janela = qobject_cast<JanelaCalcula*>(WindowObject(hWnd));
    HotKeyService* servico = janela ? janela->servicos_.hotkeys : nullptr;
    if (!servico)
        return DefWindowProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_SETHOTKEY:
        if (wParam == 0) {
            servico->unregisterHotKey(hWnd, kIdAtivacao);
            return 1;
        }
        return servico->registerHotKey(hWnd, kIdAtivacao, combinationOfSetHotKey(static_cast<int>(wParam))) ? 1 : 0;
    case WM_HOTKEY:
        if (wParam == kIdAtivacao)
            janela->Ativar();
        return 0;
    case WM_NCDESTROY:
        servico->unregisterHotKey(hWnd, kIdAtivacao);
        return 0;
    default:
        return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
}

void JanelaCalcula::aplicarEstadoJanela()
{
    // The model minimises and restores the window too (Ctrl+Space, the backup's display).
    const bool minimizar = form_.WindowState == 1;
    if (!isVisible() || minimizar == isMinimized())
        return;
    if (minimizar)
        showMinimized();
    else
        Ativar();
}

}  // namespace tarvelo
