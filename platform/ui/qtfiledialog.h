#pragma once

#include "platform/filedialog.h"

class QWidget;

namespace tarvelo {

// The window a dialog stays above: the owner's window, else the active window.
QWidget* dialogOwner(WindowHandle owner);

// The open and save dialogs as QFileDialog, modal over the active window.
class QtFileDialogService final : public FileDialogService {
public:
    bool ShowFileDialog(FileDialogRequest& request) override;
};

}  // namespace tarvelo
