#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// What the open and save dialogs are asked, and what they answer. `fileName` goes in as
// the name offered and comes back as the chosen full path; `fileTitle` comes back as that
// file's name without its folder. `filter` holds description and pattern pairs separated
// by "|" ("Text (*.txt)|*.txt"), `filterIndex` is the one-based pair shown first.
struct FileDialogRequest {
    QString fileName;
    QString fileTitle;
    bool fileMustExist = false;
    bool multiSelect = false;
    bool readOnly = false;
    bool hideReadOnly = false;
    QString filter;
    int filterIndex = 1;
    QString initDir;
    QString title;
    QString defaultExt;
    int flags = 0;
    bool openDialog = false;
};

// Option bits the callers pass in `flags` (the rest are ignored).
namespace fd {
enum Flags : int { OverwritePrompt = 0x2, AllowMultiSelect = 0x200, PathMustExist = 0x800, FileMustExist = 0x1000 };
}  // namespace fd

// Asks the user for a file to open or a name to save under. The real one is a
// QFileDialog; tests answer from a script.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // True when the user confirmed; false on cancel or failure, and then fileName and
    // fileTitle are empty.
    virtual bool ShowFileDialog(FileDialogRequest& request) = 0;
};

// The "|"-separated pairs as Qt's name filters ("Text (*.txt)"); a description that
// already names its patterns in parentheses stays as it is. A lone trailing description
// without pattern is dropped.
QStringList nameFilters(const QString& filter);

// The default extension as a suffix: "*.txt" and ".txt" give "txt".
QString defaultSuffix(const QString& defaultExt);

}  // namespace tarvelo
