#include "app/recent_files_menu.h"

#include "app/file_commands.h"
#include "app/settings/settings.h"
#include "model/user_seam.h"
#include "resources/resource_ids.h"

#include <string>

namespace {

bool FileExists(const std::string& sFile) {
    const DWORD lAttr = GetFileAttributesA(sFile.c_str());
    return lAttr != INVALID_FILE_ATTRIBUTES && !(lAttr & FILE_ATTRIBUTE_DIRECTORY);
}

void InsertBeforeExit(HMENU hMenu, UINT lId, const char* pText, ULONG_PTR lData) {
    MENUITEMINFOA tItem{};
    tItem.cbSize = sizeof(tItem);
    tItem.fMask = MIIM_ID | MIIM_DATA | MIIM_FTYPE | (pText ? MIIM_STRING : 0);
    tItem.fType = pText ? MFT_STRING : MFT_SEPARATOR;
    tItem.wID = lId;
    tItem.dwItemData = lData;
    tItem.dwTypeData = const_cast<char*>(pText);
    InsertMenuItemA(hMenu, IDM_EXIT, FALSE, &tItem);
}

} // namespace

int32_t BuildRecentFilesMenu(HWND hWnd) {
    HMENU hMenu = GetMenu(hWnd);
    if (!hMenu) {
        return 0;
    }
    for (UINT lId = IDM_RECENT_FIRST; lId <= IDM_RECENT_LAST; ++lId) {
        if (!DeleteMenu(hMenu, lId, MF_BYCOMMAND)) {
            break;
        }
    }
    DeleteMenu(hMenu, IDM_RECENT_SEPARATOR, MF_BYCOMMAND);

    const std::string sPath = SettingsPath();
    std::string sFile;
    char chLetter = 0;
    std::string sSeen; // a hand-edited list may repeat a letter; walk each once
    int32_t lShown = 0;
    for (int32_t lOk = MruFirst(sPath, gszMruSection, sFile, &chLetter);
         lOk && lShown < wkMruMax && sSeen.find(chLetter) == std::string::npos;
         lOk = MruNext(sPath, gszMruSection, chLetter, sFile)) {
        sSeen += chLetter;
        if (sFile.empty() || !FileExists(sFile)) {
            continue;
        }
        const std::string sText = RecentMenuText(lShown, sFile);
        InsertBeforeExit(hMenu, IDM_RECENT_FIRST + lShown, sText.c_str(),
                         static_cast<unsigned char>(chLetter));
        ++lShown;
    }
    if (lShown > 0) {
        InsertBeforeExit(hMenu, IDM_RECENT_SEPARATOR, nullptr, 0);
    }
    DrawMenuBar(hWnd);
    return lShown;
}

void OpenRecentFile(HWND hWnd, int32_t lCmd) {
    char szText[MAX_PATH + 8] = "";
    MENUITEMINFOA tItem{};
    tItem.cbSize = sizeof(tItem);
    tItem.fMask = MIIM_STRING | MIIM_DATA;
    tItem.dwTypeData = szText;
    tItem.cch = sizeof(szText);
    if (!GetMenuItemInfoA(GetMenu(hWnd), static_cast<UINT>(lCmd), FALSE, &tItem)) {
        return;
    }
    const std::string sFile = RecentFileFromMenuText(szText);
    if (FileExists(sFile)) {
        MruMoveToFront(SettingsPath(), gszMruSection, static_cast<char>(tItem.dwItemData));
        OpenFileCmd(hWnd, sFile, RecentFileType(sFile));
    } else {
        ReportError("File is not found: " + sFile);
        BuildRecentFilesMenu(hWnd);
    }
}
