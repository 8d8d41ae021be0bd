#pragma once

#include "platform/filedialog.h"

namespace tarvelo {

// The open and save dialogs as QFileDialog, modal over the window that asked.
class QtFileDialogService final : public FileDialogService {
public:
    bool ShowFileDialog(FileDialogRequest& request) override;
};

}  // namespace tarvelo
