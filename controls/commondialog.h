#pragma once

#include "platform/colourdialog.h"
#include "platform/filedialog.h"

#include <QString>

#include <array>

namespace tarvelo {

// The open/save dialog with the program's arguments. On true, sFileName is the chosen
// file's full path and sFileTitle its name; with multiple selection sFileName is the full
// path of a single file, or the folder and the names each after a NUL, and sFileTitle is
// empty. On false (cancel, failure) both are empty. hWndOwner -1: no owner window.
bool ShowFileDialog(FileDialogService& dialogs, QString& sFileName, QString& sFileTitle, bool bFileMustExist,
                    bool bMultiSelect, bool bReadOnly, bool bHideReadOnly, const QString& sFilter,
                    int nFilterIndex, const QString& sInitDir, const QString& sTitle, const QString& sDefExt,
                    WindowHandle hWndOwner, int lFlags, bool bOpen);

// The colour dialog, starting on lColour (plain RGB). On true lColour is the chosen
// colour; on cancel it is -1.
bool ShowColourDialog(ColourDialogService& dialogs, qint32& lColour, bool bAnyColour, bool bFullOpen,
                      bool bPreventFullOpen, WindowHandle hWndOwner);

// The dialog's 16 custom colours, kept for the whole run: the first 16 system colours
// until the user changes them.
std::array<ColourRef, 16>& CustomColours();

// The text before its first NUL character.
QString StripNulls(const QString& text);

}  // namespace tarvelo
