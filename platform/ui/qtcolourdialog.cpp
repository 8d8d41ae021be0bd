#include "platform/ui/qtcolourdialog.h"

#include "platform/ui/dialogowner.h"

#include <QColorDialog>

namespace tarvelo {

bool QtColourDialogService::ShowColourDialog(ColourDialogRequest& request)
{
    DialogOwner owner(request.owner);
    const QPointer<QColorDialog> dialog = owner.make<QColorDialog>(toQColor(request.colour));
    if (request.customColours)
        for (int i = 0; i < 16; ++i)
            QColorDialog::setCustomColor(i, toQColor((*request.customColours)[i]));
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog;
    if (request.customColours)
        for (int i = 0; i < 16; ++i)
            (*request.customColours)[i] = fromQRgb(QColorDialog::customColor(i).rgb());
    if (chosen)
        request.colour = fromQRgb(dialog->selectedColor().rgb());
    return chosen;
}

}  // namespace tarvelo
