#include "controls/commondialog.h"

namespace tarvelo {

bool ShowFileDialog(FileDialogService& dialogs, QString& sFileName, QString& sFileTitle, bool bFileMustExist,
                    bool bMultiSelect, bool bReadOnly, bool bHideReadOnly, const QString& sFilter,
                    int nFilterIndex, const QString& sInitDir, const QString& sTitle, const QString& sDefExt,
                    WindowHandle hWndOwner, int lFlags, bool bOpen)
{
    FileDialogRequest request;
    request.fileName = StripNulls(sFileName);
    request.fileTitle = StripNulls(sFileTitle);
    request.fileMustExist = bFileMustExist;
    request.multiSelect = bMultiSelect;
    request.readOnly = bReadOnly;
    request.hideReadOnly = bHideReadOnly;
    request.filter = sFilter;
    request.filterIndex = nFilterIndex;
    request.initDir = sInitDir;
    request.title = sTitle;
    request.defaultExt = sDefExt;
    request.flags = lFlags;
    request.openDialog = bOpen;
    request.owner = hWndOwner;
    if (!dialogs.ShowFileDialog(request)) {
        sFileName.clear();
        sFileTitle.clear();
        return false;
    }
    if (effectiveFlags(request) & fd::AllowMultiSelect) {
        sFileName = request.fileName;
        sFileTitle.clear();
    } else {
        sFileName = StripNulls(request.fileName);
        sFileTitle = StripNulls(request.fileTitle);
    }
    return true;
}

std::array<ColourRef, 16>& CustomColours()
{
    static std::array<ColourRef, 16> colours = [] {
        std::array<ColourRef, 16> system{};
        for (int i = 0; i < 16; ++i)
            system[i] = GetSysColor(i);
        return system;
    }();
    return colours;
}

bool ShowColourDialog(ColourDialogService& dialogs, qint32& lColour, bool bAnyColour, bool bFullOpen,
                      bool bPreventFullOpen, WindowHandle hWndOwner)
{
    ColourDialogRequest request;
    request.flags = ((bAnyColour ? cc::AnyColor : cc::SolidColor) | cc::RgbInit | (bFullOpen ? cc::FullOpen : 0)
                     | (bPreventFullOpen ? cc::PreventFullOpen : 0))
                    & ~(cc::EnableHook | cc::EnableTemplate);
    request.owner = hWndOwner;
    request.colour = static_cast<ColourRef>(lColour) & 0xFFFFFF;
    request.customColours = &CustomColours();
    if (!dialogs.ShowColourDialog(request)) {
        lColour = -1;
        return false;
    }
    lColour = static_cast<qint32>(request.colour & 0xFFFFFF);
    return true;
}

QString StripNulls(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

}  // namespace tarvelo
