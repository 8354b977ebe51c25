// Generated code on the clipboard: the whole KVL file or resource script, or
// one section of it, as plain text.
#include "app/file_commands.h"

#include "model/document.h"
#include "model/file_errors.h"
#include "model/options.h"
#include "model/user_seam.h"
#include "resources/resource_ids.h"
#include "win/win_handles.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <cstring>

namespace {

std::string ClipboardText(int lCommandId) {
    const tWriteLayout tLay = WriteLayoutFrom(gtOptions);
    switch (lCommandId) {
    case IDM_CLIP_KVL_ALL:
        return BuildKvlFile(gtDoc, tLay, false);
    case IDM_CLIP_KVL_ACCEL:
        return KvlAcceleratorsSection(tLay);
    case IDM_CLIP_KVL_CONST:
        return KvlConstantsSection(tLay);
    case IDM_CLIP_KVL_DIALOG:
        return KvlDialogsSection(tLay);
    case IDM_CLIP_KVL_MENU:
        return KvlMenusSection(tLay);
    case IDM_CLIP_KVL_CODE:
        return KvlCallBacksSection(tLay);
    case IDM_CLIP_RC_ALL:
        return BuildRCFile(gtDoc, tLay, false);
    case IDM_CLIP_RC_ACCEL:
        return RCAcceleratorsSection(tLay);
    case IDM_CLIP_RC_CONST:
        return RCConstantsSection(tLay);
    case IDM_CLIP_RC_DIALOG:
        return RCDialogSection(tLay);
    case IDM_CLIP_RC_MENU:
        return RCMenuSection(tLay);
    case IDM_CLIP_RC_STRINGS:
        return RCStringsSection(tLay);
    case IDM_CLIP_RC_VERSION:
        return RCVersionInfoSection(tLay);
    case IDM_CLIP_RC_CODE:
        return RCBasicCodeSection(tLay);
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
    PutTextOnClipboard(ClipboardText(lCommandId));
}
