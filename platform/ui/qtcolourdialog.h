#pragma once

#include "platform/colourdialog.h"

namespace tarvelo {

// The colour dialog as QColorDialog, modal over its owner.
class QtColourDialogService final : public ColourDialogService {
public:
    bool ShowColourDialog(ColourDialogRequest& request) override;
};

}  // namespace tarvelo
