#pragma once

#include <QString>

namespace tarvelo {

class AutostartEntry;
class MenuItem;

// "Start with the session": the Run value `Tarvelo` under gChaveWindows + "\Run" in
// HKEY_CURRENT_USER, mirrored by the session's autostart entry, which is what really
// starts the program on Linux.

// The Run value's data: the quoted program path, then " systray".
QString ValorRun(const QString& programa);

// Whether the Run value exists (any data counts, as at the window's load).
bool IniciaComSessao();

// mnuFicar_Click: a ticked item is unticked and loses the Run value and the autostart
// entry; an unticked one is ticked and gets both, starting `programa` (the running
// executable). Failures to write either are not reported: the tick changes anyway.
void mnuFicar_Click(MenuItem& mnuFicar, const QString& programa, const AutostartEntry& autostart);

}  // namespace tarvelo
