// The code editor and viewer on a text of 100,000 generated lines: replacing
// the text, paging, jumping, selecting, copying and opening the viewer, each
// with the painting it causes. Milliseconds beside the time a quiet machine
// keeps well below; never a pass/fail test (a shared machine's load decides a
// single run). Run under Wine on a virtual display: wk_codeview_bench.exe.
#include "codeview/code_viewer.h"
#include "codeview/codeview_ids.h"
#include "codeview/edm32edit.h"

#include "bench/win/bench_support.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int glLines = 100000;

// A dialog function the way the designer writes one, repeated to glLines lines.
std::string LargeKvl() {
    const std::string sBody =
        "#Wrenkit Begin Dialog %IDD_DIALOG1\r\n"
        "Function ShowDialog(ByVal hParent As Dword) As Long\r\n"
        "    Local lRslt As Long\r\n"
        "    Dialog New hParent, \"Dialog's title\", 70, 70, 201, 121 To hDlg\r\n"
        "    Control Add Button, hDlg, %IDC_BUTTON1, \"OK\", 5, 5, 50, 15 ' OK\r\n"
        "    !mov eax, lRslt ; inline assembler\r\n"
        "    Function = lRslt\r\n"
        "End Function\r\n"
        "#Wrenkit End Dialog\r\n"
        "Rem a remark line\r\n";
    std::string s;
    for (int i = 0; i < glLines / 10; ++i) {
        s += sBody;
    }
    return s;
}

double Time(const std::function<void()>& fn) {
    const double f = Now();
    fn();
    return Now() - f;
}

void Report(const char* szWhat, double fMs, double fTarget) {
    std::printf("%-46s %8.1f ms (target %.0f ms)\n", szWhat, fMs, fTarget);
}

double gfOpenStart = 0;
double gfOpenMs = 0;

void CALLBACK MeasureOpen(HWND, UINT, UINT_PTR lId, DWORD) {
    KillTimer(nullptr, lId);
    gfOpenMs = Now() - gfOpenStart;
    if (HWND hViewer = FindWindowA("KvCodeViewer", nullptr)) {
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_CLOSE, 0);
    }
}

} // namespace

int main() {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    if (!RegisterCodeEditClass(hInst)) {
        return 1;
    }
    HWND hParent =
        CreateWindowExA(0, "Static", "Code editor bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                        900, 700, nullptr, nullptr, hInst, nullptr);
    HWND hEdit =
        CreateWindowExA(0, gszCodeEditClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0,
                        0, 880, 660, hParent, nullptr, hInst, nullptr);
    Pump();
    const std::string sText = LargeKvl();
    auto Send = [&](UINT uMsg, WPARAM wParam, LPARAM lParam) {
        SendMessageA(hEdit, uMsg, wParam, lParam);
        UpdateWindow(hEdit);
    };
    Report("replace text (100,000 lines) and paint",
           Time([&] { Send(wkEmReplaceText, 0, reinterpret_cast<LPARAM>(sText.c_str())); }), 1500);
    Report("one page down and paint (mean of 200)", Time([&] {
                                                        for (int i = 0; i < 200; ++i) {
                                                            Send(WM_VSCROLL, SB_PAGEDOWN, 0);
                                                        }
                                                    }) / 200,
           50);
    Report("jump to the middle and paint", Time([&] { Send(wkEmSetTopLine, glLines / 2, 0); }),
           100);
    Report("scroll to the end and paint", Time([&] { Send(WM_VSCROLL, SB_BOTTOM, 0); }), 100);
    Report("select all and paint", Time([&] { Send(EM_SETSEL, 0, -1); }), 200);
    Report("copy the whole text to the clipboard", Time([&] { Send(wkEmCopy, 0, 0); }), 2000);
    DestroyWindow(hParent);

    // The zero timer fires as soon as the viewer's loop first runs dry: the
    // window is created, filled, shown and painted by then.
    gfOpenStart = Now();
    SetTimer(nullptr, 0, 0, MeasureOpen);
    ShowCodeViewer(nullptr, gszViewKvlTitle, sText, 2);
    Report("code viewer open with 100,000 lines", gfOpenMs, 2000);
    return 0;
}
