// Generated code on the clipboard: the whole KVL file or resource script, or
// one section of it, as plain text.
#include "app/file_commands.h"

#include "app/files/file_state.h"
#include "model/file_errors.h"
#include "model/user_seam.h"
#include "resources/resource_ids.h"
#include "win/win_handles.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <cstring>

namespace {

std::string ClipboardText(int lCommandId) {
    switch (lCommandId) {
    case IDM_CLIP_KVL_ALL:
        return BuildKvlFile(false);
    case IDM_CLIP_KVL_ACCEL:
        return KvlAcceleratorsSection();
    case IDM_CLIP_KVL_CONST:
        return KvlConstantsSection();
    case IDM_CLIP_KVL_DIALOG:
        return KvlDialogsSection();
    case IDM_CLIP_KVL_MENU:
        return KvlMenusSection();
    case IDM_CLIP_KVL_CODE:
        return KvlCallBacksSection();
    case IDM_CLIP_RC_ALL:
        return BuildRCFile(false);
    case IDM_CLIP_RC_ACCEL:
        return RCAcceleratorsSection();
    case IDM_CLIP_RC_CONST:
        return RCConstantsSection();
    case IDM_CLIP_RC_DIALOG:
        return RCDialogSection();
    case IDM_CLIP_RC_MENU:
        return RCMenuSection();
    case IDM_CLIP_RC_STRINGS:
        return RCStringsSection();
    case IDM_CLIP_RC_VERSION:
        return RCVersionInfoSection();
    case IDM_CLIP_RC_CODE:
        return RCBasicCodeSection();
    default:
        return std::string();
    }
}

} // namespace

int PutTextOnClipboard(const std::string& sText) {
    // The text with exactly one terminating zero byte.
    const bool bHasZero = !sText.empty() && sText.back() == '\0';
    const SIZE_T lBytes = sText.size() + (bHasZero ? 0 : 1);
    tGlobal tBlock(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, lBytes));
    if (!tBlock.Get()) {
        ReportError(StdErrorText(7)); // "Out of memory"
        return 0;
    }
    void* pDest = GlobalLock(tBlock.Get());
    if (!pDest) {
        ReportError(StdErrorText(7)); // "Out of memory"
        return 0;
    }
    std::memcpy(pDest, sText.data(), sText.size());
    static_cast<char*>(pDest)[lBytes - 1] = '\0';
    GlobalUnlock(tBlock.Get());

    const tClipboard tClip;
    if (!tClip.IsOpen()) {
        ReportError("Cannot open clipboard");
        return 0;
    }
    if (!EmptyClipboard() || !SetClipboardData(CF_TEXT, tBlock.Get())) {
        ReportError("Cannot open clipboard");
        return 0;
    }
    tBlock.Release(); // the clipboard owns it now
    return 1;
}

void ClipboardCmd(HWND, int lCommandId) {
    if (lCommandId < IDM_CLIP_KVL_ALL || lCommandId > IDM_CLIP_RC_CODE) {
        return;
    }
    // The #Resource line of the whole file names the current file's companion.
    gsKvlFilePath = gsCurrentFile;
    PutTextOnClipboard(ClipboardText(lCommandId));
}
