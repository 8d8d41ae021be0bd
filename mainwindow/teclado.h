#pragma once

namespace tarvelo {

class frmCalcula;
class MidiOut;
class NumLockService;

// The keys the character stream cannot carry. The window previews the keyboard: every key
// that goes down or up while it or one of its controls has the focus comes here first,
// before the focused control and before the characters reach Form_KeyPress. Shift-letter
// shortcuts for the memory and sign keys, Delete as CE, NumLock as "=" while Enter adds,
// the focus back to the entry, the keypad's pressed look, the NumLock keeper and the key
// sounds. Neither handler changes the key.
class TecladoCalcula {
public:
    TecladoCalcula(frmCalcula& form, MidiOut& midi, NumLockService& numLock);

    // KeyCode is the key's virtual-key code, Shift the Shift (1), Ctrl (2) and Alt (4) keys.
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);

private:
    void apagar();

    frmCalcula& form_;
    MidiOut& midi_;
    NumLockService& numLock_;
};

}  // namespace tarvelo
