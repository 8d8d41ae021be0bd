#pragma once

namespace tarvelo {

class frmCalcula;

// A mouse button released over a label of the display (Index 0 the display, 1 the item
// counter, 2 the time display, 3 the box behind them; Button 1 left, 2 right, 4 middle).
// In time mode any button offers the time formats; otherwise the left button copies the
// number on show and any other offers the number formats. The counter takes no clicks.
// The menus are the window's: they are asked for through the model's PopupMenu.
void lblVisor_MouseUp(frmCalcula& janela, int Index, int Button);

}  // namespace tarvelo
