#include "platform/ui/qtfiledialog.h"

#include "platform/ui/dialogowner.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

namespace tarvelo {

bool QtFileDialogService::ShowFileDialog(FileDialogRequest& request)
{
    DialogOwner owner(request.owner);
    const QPointer<QFileDialog> dialog = owner.make<QFileDialog>(nullptr, request.title);
    const int flags = effectiveFlags(request);
    const bool multi = flags & fd::AllowMultiSelect;
    const bool mustExist = flags & fd::FileMustExist;
    if (request.openDialog) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(multi ? QFileDialog::ExistingFiles
                                  : (mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setOption(QFileDialog::DontConfirmOverwrite, !(flags & fd::OverwritePrompt));
    }
    if (request.readOnly && request.openDialog)
        dialog->setOption(QFileDialog::ReadOnly, true);

    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size())) - 1;
        dialog->selectNameFilter(filters.at(index));
    }
    if (const QString suffix = defaultSuffix(request.defaultExt); !suffix.isEmpty())
        dialog->setDefaultSuffix(suffix);
    if (!request.initDir.isEmpty() && QFileInfo(request.initDir).isDir())
        dialog->setDirectory(request.initDir);
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);

    if (dialog->exec() != QDialog::Accepted || !dialog || dialog->selectedFiles().isEmpty()) {
        request.fileName.clear();
        request.fileTitle.clear();
        return false;
    }
    if (multi) {
        request.fileName = joinSelection(dialog->selectedFiles());
        request.fileTitle.clear();
        return true;
    }
    const QString chosen = dialog->selectedFiles().constFirst();
    request.fileName = chosen;
    request.fileTitle = QFileInfo(chosen).fileName();
    return true;
}

}  // namespace tarvelo
