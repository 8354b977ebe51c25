// "Import from Clipboard": the clipboard text in an editable box, the format
// the text looks like already chosen, and the chosen reader run on what the
// box holds when the user presses Import. Also the "Open/Import Results" box.
#include "app/file_commands.h"

#include "app/file_dialog_ids.h"
#include "app/win_seam.h"
#include "readers/import_detect.h"
#include "readers/import_results.h"
#include "readers/import_run.h"
#include "readers/kvl_reader.h"
#include "win/win_handles.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr char kSubClassProp[] = "SubClassProc";
// Clipboard text is taken up to this size; the box holds as much.
constexpr SIZE_T kMaxClipText = 64u * 1024u * 1024u;

struct tImportDlg {
    std::string sText; // the clipboard text when the dialog opens
    tGdiFont hFont;
};

// The clipboard's plain text, never read beyond its memory block (the zero
// byte a well-behaved program puts at the end may be missing).
std::string ReadClipboardText(HWND hOwner) {
    std::string sText;
    if (!IsClipboardFormatAvailable(CF_TEXT)) {
        return sText;
    }
    const tClipboard tClip(hOwner);
    HANDLE hData = tClip.IsOpen() ? GetClipboardData(CF_TEXT) : nullptr;
    if (const char* p = hData ? static_cast<const char*>(GlobalLock(hData)) : nullptr) {
        const SIZE_T lSize = std::min(GlobalSize(hData), kMaxClipText);
        sText.assign(p, strnlen(p, lSize));
        GlobalUnlock(hData);
    }
    return sText;
}

struct tStreamPos {
    std::string* pText;
    std::size_t lPos;
};

DWORD CALLBACK StreamIn(DWORD_PTR dwCookie, LPBYTE pBuf, LONG lCb, LONG* plRead) {
    auto* p = reinterpret_cast<tStreamPos*>(dwCookie);
    const std::size_t lLeft = p->pText->size() - p->lPos;
    const std::size_t lTake = std::min(lLeft, static_cast<std::size_t>(std::max(lCb, 0L)));
    std::memcpy(pBuf, p->pText->data() + p->lPos, lTake);
    p->lPos += lTake;
    *plRead = static_cast<LONG>(lTake);
    return 0;
}

DWORD CALLBACK StreamOut(DWORD_PTR dwCookie, LPBYTE pBuf, LONG lCb, LONG* plWritten) {
    auto* p = reinterpret_cast<tStreamPos*>(dwCookie);
    p->pText->append(reinterpret_cast<const char*>(pBuf), static_cast<std::size_t>(lCb));
    *plWritten = lCb;
    return 0;
}

// Text goes in and out of the box as plain text: clipboard text that happens
// to look like rich text is shown as it is, never interpreted.
void SetBoxText(HWND hEdit, std::string sText) {
    tStreamPos tPos{&sText, 0};
    EDITSTREAM tStream{};
    tStream.dwCookie = reinterpret_cast<DWORD_PTR>(&tPos);
    tStream.pfnCallback = StreamIn;
    SendMessageA(hEdit, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&tStream));
}

std::string BoxText(HWND hEdit) {
    std::string sText;
    tStreamPos tPos{&sText, 0};
    EDITSTREAM tStream{};
    tStream.dwCookie = reinterpret_cast<DWORD_PTR>(&tPos);
    tStream.pfnCallback = StreamOut;
    SendMessageA(hEdit, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&tStream));
    return sText;
}

// The box takes only plain text from the clipboard, whatever else it offers.
LRESULT CALLBACK ImportBoxProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto pfnOld = reinterpret_cast<WNDPROC>(GetPropA(hWnd, kSubClassProp));
    if (uMsg == WM_PASTE) {
        SendMessageA(hWnd, EM_PASTESPECIAL, CF_TEXT, 0);
        return 0;
    }
    if (uMsg == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOld));
        RemovePropA(hWnd, kSubClassProp);
    }
    return pfnOld ? CallWindowProcA(pfnOld, hWnd, uMsg, wParam, lParam)
                  : DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

int32_t ChosenFormat(HWND hDlg) {
    if (IsDlgButtonChecked(hDlg, IDC_IMPORT_KVL) == BST_CHECKED) {
        return wkFormatKVL;
    }
    if (IsDlgButtonChecked(hDlg, IDC_IMPORT_RC) == BST_CHECKED) {
        return wkFormatRC;
    }
    if (IsDlgButtonChecked(hDlg, IDC_IMPORT_VBFORM) == BST_CHECKED) {
        return wkFormatVBForm;
    }
    return wkFormatNone;
}

void InitImportDialog(HWND hDlg, tImportDlg& tDlg) {
    HWND hEdit = GetDlgItem(hDlg, IDC_IMPORT_TEXT);
    tDlg.hFont.Reset(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FIXED_PITCH | FF_MODERN, "Courier New"));
    if (tDlg.hFont) {
        SendMessageA(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(tDlg.hFont.Get()), FALSE);
    }
    SendMessageA(hEdit, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(kMaxClipText));
    SetPropA(hEdit, kSubClassProp,
             reinterpret_cast<HANDLE>(GetWindowLongPtrA(hEdit, GWLP_WNDPROC)));
    SetWindowLongPtrA(hEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ImportBoxProc));
    SetBoxText(hEdit, tDlg.sText);
    switch (DetectFormat(tDlg.sText)) {
    case wkFormatKVL:
        CheckRadioButton(hDlg, IDC_IMPORT_KVL, IDC_IMPORT_VBFORM, IDC_IMPORT_KVL);
        break;
    case wkFormatRC:
        CheckRadioButton(hDlg, IDC_IMPORT_KVL, IDC_IMPORT_VBFORM, IDC_IMPORT_RC);
        break;
    case wkFormatVBForm:
        CheckRadioButton(hDlg, IDC_IMPORT_KVL, IDC_IMPORT_VBFORM, IDC_IMPORT_VBFORM);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK ImportDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        InitImportDialog(hDlg, *reinterpret_cast<tImportDlg*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const std::string sText = BoxText(GetDlgItem(hDlg, IDC_IMPORT_TEXT));
            if (RunImport(ChosenFormat(hDlg), sText)) {
                EndDialog(hDlg, IDOK);
            }
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// The widest line of a text (lines end at CR or LF) in the control's font.
SIZE TextBlockSize(HWND hCtl, const std::string& sText) {
    SIZE tBlock{0, 0};
    HDC hDC = GetDC(hCtl);
    if (!hDC) {
        return tBlock;
    }
    HGDIOBJ hOld =
        SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(hCtl, WM_GETFONT, 0, 0)));
    TEXTMETRICA tMetric{};
    GetTextMetricsA(hDC, &tMetric);
    size_t lStart = 0;
    int lLines = 0;
    while (lStart <= sText.size()) {
        size_t lEnd = sText.find_first_of("\r\n", lStart);
        if (lEnd == std::string::npos) {
            lEnd = sText.size();
        }
        SIZE tLine{0, 0};
        GetTextExtentPoint32A(hDC, sText.c_str() + lStart, static_cast<int>(lEnd - lStart), &tLine);
        tBlock.cx = std::max(tBlock.cx, tLine.cx);
        ++lLines;
        lStart = lEnd + ((sText.compare(lEnd, 2, "\r\n") == 0) ? 2 : 1);
    }
    tBlock.cy = lLines * tMetric.tmHeight;
    SelectObject(hDC, hOld);
    ReleaseDC(hCtl, hDC);
    return tBlock;
}

// The two columns as wide as their texts, so that no count wraps onto the
// next label's line however many digits it has; the box grows to fit.
void SizeResultColumns(HWND hDlg, const std::string& sLabels, const std::string& sNumbers) {
    HWND hLabels = GetDlgItem(hDlg, IDC_RESULTS_LABELS);
    HWND hNumbers = GetDlgItem(hDlg, IDC_RESULTS_NUMBERS);
    HWND hOk = GetDlgItem(hDlg, IDOK);
    RECT tLabels{};
    RECT tNumbers{};
    RECT tOk{};
    GetWindowRect(hLabels, &tLabels);
    GetWindowRect(hNumbers, &tNumbers);
    GetWindowRect(hOk, &tOk);
    for (RECT* p : {&tLabels, &tNumbers, &tOk}) {
        MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(p), 2);
    }
    const SIZE tLabelText = TextBlockSize(hLabels, sLabels);
    const SIZE tNumberText = TextBlockSize(hNumbers, sNumbers);
    const int lGap = tNumbers.left - tLabels.right;
    const int cxLabels = std::max<int>(tLabels.right - tLabels.left, tLabelText.cx + 2);
    const int cxNumbers = std::max<int>(tNumbers.right - tNumbers.left, tNumberText.cx + 2);
    const int cyText = std::max<int>({tLabels.bottom - tLabels.top, tLabelText.cy, tNumberText.cy});
    const int xNumbers = tLabels.left + cxLabels + lGap;
    MoveWindow(hLabels, tLabels.left, tLabels.top, cxLabels, cyText, FALSE);
    MoveWindow(hNumbers, xNumbers, tNumbers.top, cxNumbers, cyText, FALSE);

    RECT tClient{};
    GetClientRect(hDlg, &tClient);
    const int cxClient = std::max<int>(tClient.right, xNumbers + cxNumbers + tLabels.left);
    const int yOk = tOk.top + (tLabels.top + cyText - tLabels.bottom);
    const int cxOk = tOk.right - tOk.left;
    MoveWindow(hOk, (cxClient - cxOk) / 2, yOk, cxOk, tOk.bottom - tOk.top, FALSE);
    const int cyClient = std::max<int>(tClient.bottom, yOk + (tClient.bottom - tOk.top));
    RECT tFrame{0, 0, cxClient, cyClient};
    AdjustWindowRectEx(&tFrame, static_cast<DWORD>(GetWindowLongA(hDlg, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(hDlg, GWL_EXSTYLE)));
    RECT tWindow{};
    GetWindowRect(hDlg, &tWindow);
    const int cx = tFrame.right - tFrame.left;
    const int cy = tFrame.bottom - tFrame.top;
    // Grown about its centre, as the template centres it.
    SetWindowPos(hDlg, nullptr, (tWindow.left + tWindow.right - cx) / 2,
                 (tWindow.top + tWindow.bottom - cy) / 2, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK ResultsDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: {
        const auto* pas = reinterpret_cast<const std::string*>(lParam);
        SetDlgItemTextA(hDlg, IDC_RESULTS_LABELS, pas[0].c_str());
        SetDlgItemTextA(hDlg, IDC_RESULTS_NUMBERS, pas[1].c_str());
        SizeResultColumns(hDlg, pas[0], pas[1]);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDOK);
            return TRUE;
        }
        break;
    default:
        break;
    }
    return FALSE;
}

// The box's window class comes from the rich-edit library, loaded once.
void EnsureRichEdit() {
    static tLibrary hRichEdit;
    WNDCLASSA tClass{};
    if (!hRichEdit && !GetClassInfoA(nullptr, "RichEdit", &tClass)) {
        hRichEdit.Reset(LoadLibraryA("RICHED32.DLL"));
    }
}

} // namespace

void ShowResultsBox(HWND hOwner, const std::string& sLabels, const std::string& sNumbers) {
    const std::string as[2] = {sLabels, sNumbers};
    MessageBeep(MB_OK);
    // Like every box, owned by the window the user works in.
    HWND hUser = UserWindow();
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IMPORTRESULTS),
                    hUser ? hUser : hOwner, ResultsDlgProc, reinterpret_cast<LPARAM>(as));
}

void ImportFromClipboardCmd(HWND hOwner) {
    // The KVL reader for clipboard text: no clearing, no markers, no work files.
    if (!gpfnImportKVL) {
        gpfnImportKVL = [](const std::string& sText) { return LoadKVL(sText, 0, 1); };
    }
    EnsureRichEdit();
    tImportDlg tDlg;
    tDlg.sText = ReadClipboardText(hOwner);
    // A modal window of the program: the toolbox stays hidden while it is open.
    if (gpfnSetToolboxAllowed) {
        gpfnSetToolboxAllowed(0);
    }
    const INT_PTR lResult =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IMPORTCLIP), hOwner,
                        ImportDlgProc, reinterpret_cast<LPARAM>(&tDlg));
    if (gpfnSetToolboxAllowed) {
        gpfnSetToolboxAllowed(1);
    }
    if (lResult == IDOK) {
        std::string sLabels;
        std::string sNumbers;
        if (ResultTexts(sLabels, sNumbers)) {
            ShowResultsBox(hOwner, sLabels, sNumbers);
        }
    }
}
