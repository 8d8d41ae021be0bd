#include "calc/hotkeys.h"

#include "calc/frmcalcula.h"
#include "host/sistema.h"
#include "platform/clipboard.h"
#include "platform/keystrokes.h"
#include "platform/localeinfo.h"
#include "platform/numbertext.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>

namespace tarvelo {
namespace {

// Every hotkey of the calculator has this id: the window tells which key it was.
constexpr int kIdHotKey = 1;
// Properties of a taken key window: its procedure before, and who took it.
constexpr std::string_view kProcAnterior = "TarveloProcAnterior";
constexpr std::string_view kDono = "TarveloHotKeys";

constexpr int kEsperaCopiaMs = 2000;

std::array<HotKeysCalcula::Atalho, 21> tabela(frmCalcula& f)
{
    const auto ctrl = [](int vk) { return HotKeyCombination{hk::Ctrl, vk}; };
    std::array<HotKeysCalcula::Atalho, 21> t{};
    for (int i = 0; i < 10; ++i)
        t[i] = {&f.chkNum[i], ctrl(96 + i)};
    t[10] = {&f.chkMais, ctrl(107)};
    t[11] = {&f.chkMenos, ctrl(109)};
    t[12] = {&f.chkVezes, ctrl(106)};
    t[13] = {&f.chkDividir, ctrl(111)};
    t[14] = {&f.chkVirgula, ctrl(110)};
    t[15] = {&f.chkCE, ctrl(46)};
    t[16] = {&f.chkBack, ctrl(8)};
    t[17] = {&f.chkIgual, ctrl(13)};
    t[18] = {&f.chkNeg, {hk::Ctrl | hk::Alt, 13}};
    t[19] = {&f.chkPercent, ctrl(45)};
    t[20] = {&f.MC, ctrl(32)};
    return t;
}

void deixarEventosRodarem()
{
    QCoreApplication::processEvents();
}

}  // namespace

HotKeysCalcula::HotKeysCalcula(frmCalcula& form, const ServicosHotKeys& servicos)
    : form_(form), servicos_(servicos), atalhos_(tabela(form))
{
}

HotKeysCalcula::~HotKeysCalcula()
{
    RemoverHotKeys();
}

void HotKeysCalcula::RegistrarHotKeys()
{
    registradas_ = true;
    std::vector<HotKeyClaim> pedidos;
    for (const Atalho& a : atalhos_)
        if (IsWindow(a.tecla->hWnd))
            pedidos.push_back({a.tecla->hWnd, kIdHotKey, a.teclas});
    // A combination another program holds is simply not there; the others work.
    servicos_.hotkeys.registerHotKeys(pedidos);
    for (const HotKeyClaim& pedido : pedidos) {
        const WindowHandle h = pedido.hWnd;
        // Taking a window twice would make WndProcTecla its own previous procedure.
        if (GetWindowProcedure(h) == &WndProcTecla)
            continue;
        SetProp(h, kProcAnterior, reinterpret_cast<qintptr>(SetWindowProcedure(h, &WndProcTecla)));
        SetProp(h, kDono, reinterpret_cast<qintptr>(this));
    }
}

void HotKeysCalcula::RemoverHotKeys()
{
    registradas_ = false;
    for (const Atalho& a : atalhos_) {
        restaurarProcedimento(a.tecla->hWnd);
        servicos_.hotkeys.unregisterHotKey(a.tecla->hWnd, kIdHotKey);
    }
}

void HotKeysCalcula::restaurarProcedimento(WindowHandle hWnd)
{
    // A window this object never took keeps its own procedure.
    if (GetWindowProcedure(hWnd) != &WndProcTecla || GetProp(hWnd, kDono) != reinterpret_cast<qintptr>(this))
        return;
    SetWindowProcedure(hWnd, reinterpret_cast<WindowProcedure>(RemoveProp(hWnd, kProcAnterior)));
    RemoveProp(hWnd, kDono);
}

void HotKeysCalcula::janelaDestruida(WindowHandle hWnd)
{
    restaurarProcedimento(hWnd);
    servicos_.hotkeys.unregisterHotKey(hWnd, kIdHotKey);
}

void HotKeysCalcula::hotkey(WindowHandle hWnd)
{
    // Gone when the paste's wait let the window be deleted, and this object with it.
    const QPointer<frmCalcula> janela(&form_);
    form_.hotkeyChegou();
    for (std::size_t i = 0; i < atalhos_.size(); ++i) {
        if (atalhos_[i].tecla->hWnd == hWnd) {
            pressionar(i);
            break;
        }
    }
    if (janela && form_.WindowState == 1)
        form_.legendaMinimizada();
}

void HotKeysCalcula::pressionar(std::size_t indice)
{
    frmCalcula& f = form_;
    const bool avancado = f.mnuEnter.Checked();
    const bool negativo = f.lblVisor[0].Caption().contains(QLatin1Char('-'));
    // Shown released: the key handlers show the key pressed, and no key release comes
    // from another program to lift it.
    const auto solta = [](KeyButton& tecla) { tecla.setValue(false); };
    KeyButton* tecla = atalhos_[indice].tecla;
    if (indice < 10) {
        f.chkNum_MouseUp(static_cast<int>(indice), 0);
    } else if (tecla == &f.chkMais) {
        if (!avancado)
            somar();
        else if (negativo)
            f.chkNeg_MouseUp(0);
    } else if (tecla == &f.chkMenos) {
        if (!avancado) {
            f.chkMenos_MouseUp(0);
            solta(f.chkMenos);
        } else if (!negativo) {
            f.chkNeg_MouseUp(0);
        }
    } else if (tecla == &f.chkVezes) {
        f.chkVezes_MouseUp(0);
        solta(f.chkVezes);
    } else if (tecla == &f.chkDividir) {
        f.chkDividir_MouseUp(0);
        solta(f.chkDividir);
    } else if (tecla == &f.chkVirgula) {
        f.chkVirgula_MouseUp(0);
    } else if (tecla == &f.chkCE) {
        f.chkCE_MouseUp(0);
    } else if (tecla == &f.chkBack) {
        f.chkBack_MouseUp(0);
    } else if (tecla == &f.chkIgual) {
        if (avancado) {
            somar();
        } else {
            f.chkIgual_MouseUp(0);
            solta(f.chkIgual);
        }
    } else if (tecla == &f.chkNeg) {
        if (avancado) {
            f.chkIgual_MouseUp(0);
            solta(f.chkIgual);
        } else {
            f.chkNeg_MouseUp(0);
        }
    } else if (tecla == &f.chkPercent) {
        colar();
    } else if (tecla == &f.MC) {
        f.setWindowState(f.WindowState == 1 ? 0 : 1);
    }
}

void HotKeysCalcula::somar()
{
    form_.chkMais_MouseUp(0);
    form_.chkMais.setValue(false);
}

void HotKeysCalcula::colar()
{
    deixarEventosRodarem();
    // The program that has the focus puts its selection on the clipboard. It does so when
    // it gets round to the keys, which on a busy desktop can be later than the pause: then
    // the copy is waited for, up to a bound that only a program with nothing to copy meets.
    // Events run meanwhile: should they unload the window, or delete it and this object with
    // it, nothing more is done.
    const QPointer<frmCalcula> janela(&form_);
    const auto descarregada = [&] { return !janela || !registradas_; };
    {
        // The copy asked for is this paste's: the clipboard monitor leaves it alone.
        form_.reservarClipboard();
        const auto liberar = qScopeGuard([&] {
            if (janela)
                form_.liberarClipboard();
        });
        const quint64 antes = servicos_.clipboard.changes();
        servicos_.teclas.sendKeys(QStringLiteral("^C"));
        Esperar(QStringLiteral("0") + currentLocale().decimalSymbol + QLatin1Char('1'));
        EsperarAte([&] { return descarregada() || servicos_.clipboard.changes() != antes; }, kEsperaCopiaMs);
        if (descarregada())
            return;

        if (isNumeric(servicos_.clipboard.text())) {
            form_.mnuColar_Click();
            if (!form_.mnuEnter.Checked())
                somar();
            else if (form_.lblVisor[0].Caption().contains(QLatin1Char('-')))
                form_.chkNeg_MouseUp(0);
            servicos_.clipboard.clear();
            return;
        }
    }
    // The box comes once the reserve is over: a copy made while it is open is the user's
    // next one, for the monitor too.
    form_.recusarClipboard(224, form_.TextoClipboard());
}

MessageParam WndProcTecla(WindowHandle hWnd, quint32 uMsg, MessageParam wParam, MessageParam lParam)
{
    // Read first: the hotkey's own handling may remove the hotkeys and with them these.
    auto* dono = reinterpret_cast<HotKeysCalcula*>(GetProp(hWnd, kDono));
    const auto anterior = reinterpret_cast<WindowProcedure>(GetProp(hWnd, kProcAnterior));
    if (dono && uMsg == WM_NCDESTROY)
        dono->janelaDestruida(hWnd);
    else if (dono && uMsg == WM_HOTKEY)
        dono->hotkey(hWnd);
    return CallWindowProc(anterior, hWnd, uMsg, wParam, lParam);
}

}  // namespace tarvelo
