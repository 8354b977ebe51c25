#include "app/view_commands.h"

#include "app/file_commands.h"
#include "app/help.h"
#include "codeview/code_viewer.h"
#include "model/change_notice.h"
#include "model/json_dump.h"
#include "model/options.h"
#include "resources/resource_ids.h"
#include "writers/view_texts.h"

#include <ctime>

namespace {

constexpr int kModeBasic = 2;
constexpr int kModeRC = 4;

// The diagnostics view: when it was taken, then every table of the project.
std::string TestValuesText() {
    char szWhen[64] = "";
    const std::time_t lNow = std::time(nullptr);
    if (const std::tm* pNow = std::localtime(&lNow)) {
        std::strftime(szWhen, sizeof(szWhen), "%Y-%m-%d %H:%M:%S", pNow);
    }
    std::string sText = std::string("Wrenkit test values, ") + szWhen + "\r\n\r\n";
    for (char ch : ProjectJson()) {
        if (ch == '\n') {
            sText += '\r';
        }
        sText += ch;
    }
    return sText;
}

} // namespace

tCodeView BuildCodeView(int32_t lCmd) {
    const tWriteLayout tLay = WriteLayoutFrom(gtOptions);
    switch (lCmd) {
    case IDM_VIEW_KVL:
        return {gszViewKvlTitle, ViewText(gtDoc, tLay, wkViewKvl), kModeBasic};
    case IDM_VIEW_RC:
        return {gszViewRcTitle, ViewText(gtDoc, tLay, wkViewRc), kModeRC};
    case IDM_VIEW_NEWKVL:
        return {gszViewNewKvlTitle, ViewText(gtDoc, tLay, wkViewNewKvl), kModeBasic};
    case IDM_VIEW_NEWRC:
        return {gszViewNewRcTitle, ViewText(gtDoc, tLay, wkViewNewRc), kModeRC};
    case IDM_VIEW_SDKRC:
        return {gszViewSdkRcTitle, ViewText(gtDoc, tLay, wkViewSdkRc), kModeRC};
    case IDM_VIEW_SDKBASIC:
        return {gszViewSdkBasicTitle, ViewText(gtDoc, tLay, wkViewSdkBasic), kModeBasic};
    case IDM_VIEW_TESTVALUES:
        return {gszViewTestValuesTitle, TestValuesText(), 1};
    default:
        return {std::string(), std::string(), 1};
    }
}

void ViewCodeCmd(HWND hOwner, int32_t lCmd) {
    const tCodeView t = BuildCodeView(lCmd);
    if (!t.sTitle.empty()) {
        ShowCodeViewer(hOwner, t.sTitle, t.sText, t.lMode);
    }
}

void InstallCodeViewerHooks() {
    gtCodeViewerHooks.pfnLaunchIde = [](HWND hOwner, const std::string& sPath) {
        LaunchIde(hOwner, sPath);
    };
    gtCodeViewerHooks.pfnIsChanged = [] { return glChanged != 0; };
    gtCodeViewerHooks.pfnSave = [](HWND hOwner) { return SaveCmd(hOwner) != 0; };
    gtCodeViewerHooks.pfnCurrentFile = [] { return CurrentFile(); };
    gtCodeViewerHooks.pfnShowHelp = [](HWND hOwner, const std::string& sFile,
                                       const std::string& sKeyword) {
        ShowHelp(hOwner, sFile, sKeyword);
    };
}
