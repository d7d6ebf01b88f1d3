// Save: the file named in the Save As dialog, a capture taken once the dialog
// has closed, and the picture written there.
#include "commands/SaveImage.h"
#include "common/Handles.h"
#include "dialogs/SaveDialog.h"
#include "mainwindow/MainWindow.h"
#include "resources/resource.h"
#include "settings/Settings.h"
#include "text/ResString.h"

namespace {

constexpr DWORD kFileNameSize = 520;
constexpr size_t kFilterListSize = 256;

}  // namespace

void MainWindow::SaveImageAs(bool useSelection) {
    ResString bitmapFilter(IDS_FILE_FILTER);
    ResString pngFilter(IDS_PNG_FILE_FILTER);
    char filter[kFilterListSize];
    const bool haveFilter = BuildFilterList(bitmapFilter.Text(), pngFilter.Text(), filter, sizeof(filter));

    char fileName[kFileNameSize] = "";
    SaveDialogRequest request = {haveFilter ? filter : nullptr, g_settings.InitialDirectory, fileName, kFileNameSize,
                                 g_settings.SaveZoomedImage != 0, {0, 0, 0, 0}};
    if (!AskSaveFileName(window, &request)) return;
    g_settings.SaveZoomedImage = request.zoomed ? 1 : 0;

    // Taken now that the dialog has closed, so that the box's choice is known,
    // and once the screen has lost the dialog, so that the picture is what the
    // user sees.
    RepaintWhereDialogLay(window, request.dialogArea, SourceRect());
    Bitmap bitmap(CaptureImage(request.zoomed, useSelection));
    // A folder too long for the setting leaves the previous one rather than a cut-off path.
    if (CopyFolderPart(fileName, g_settings.InitialDirectory, sizeof(g_settings.InitialDirectory))) {
        g_settings.ClearFolderTail();
    }
    WriteImageFile(window, fileName, bitmap, identityPalette);
}
