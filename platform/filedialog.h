#pragma once

#include "platform/messagecore.h"

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
    WindowHandle owner = -1;  // the window the dialog stays above; -1: the active one
};

// Option bits the callers pass in `flags` (the rest are ignored).
namespace fd {
enum Flags : int {
    ReadOnly = 0x1, OverwritePrompt = 0x2, HideReadOnly = 0x4, EnableHook = 0x20, EnableTemplate = 0x40,
    AllowMultiSelect = 0x200, PathMustExist = 0x800, FileMustExist = 0x1000, Explorer = 0x80000,
};
}  // namespace fd

// The request's Boolean options and its further flags as one set; the hook and template
// flags are dropped, since no dialog of ours can take them.
int effectiveFlags(const FileDialogRequest& request);

// What a dialog with multiple selection answers: one file as its full path; several as
// their folder and their names, each after a NUL character.
QString joinSelection(const QStringList& files);

// Asks the user for a file to open or a name to save under. The real one is a
// QFileDialog; tests answer from a script.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // True when the user confirmed; false on cancel or failure, and then fileName and
    // fileTitle are empty.
    virtual bool ShowFileDialog(FileDialogRequest& request) = 0;
};

// The "|"-separated pairs as Qt's name filters ("Text (*.txt)"): the description, less
// the patterns it names in parentheses, then the pair's own ";"-separated patterns. Only
// "|" separates; a colon in a description stays. A lone trailing description is dropped.
QStringList nameFilters(const QString& filter);

// The default extension as a suffix: "*.txt" and ".txt" give "txt".
QString defaultSuffix(const QString& defaultExt);

}  // namespace tarvelo
