// The text of the synthetic projects: a realistic mix of controls with style
// expressions, captions, menus, keys and strings, all of it deterministic so
// that two runs time the same bytes.
#include "bench/gen_project.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const gszStyles = "#define WS_POPUP 0x80000000L\n"
                              "#define WS_CHILD 0x40000000L\n"
                              "#define WS_VISIBLE 0x10000000L\n"
                              "#define WS_CAPTION 0x00C00000L\n"
                              "#define WS_BORDER 0x00800000L\n"
                              "#define WS_VSCROLL 0x00200000L\n"
                              "#define WS_SYSMENU 0x00080000L\n"
                              "#define WS_GROUP 0x00020000L\n"
                              "#define WS_TABSTOP 0x00010000L\n"
                              "#define WS_EX_CLIENTEDGE 0x00000200L\n"
                              "#define DS_MODALFRAME 0x80L\n"
                              "#define DS_SETFONT 0x40L\n"
                              "#define ES_AUTOHSCROLL 0x80L\n"
                              "#define ES_MULTILINE 0x4L\n"
                              "#define BS_AUTOCHECKBOX 0x3L\n"
                              "#define BS_AUTORADIOBUTTON 0x9L\n"
                              "#define CBS_DROPDOWNLIST 0x3L\n"
                              "#define CBS_SORT 0x100L\n"
                              "#define LBS_NOTIFY 0x1L\n"
                              "#define SS_SUNKEN 0x1000L\n"
                              "#define LVS_REPORT 0x1L\n"
                              "#define LVS_SHOWSELALWAYS 0x8L\n";

void Line(std::string& s, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
void Line(std::string& s, const char* szFormat, ...) {
    char szBuf[512];
    va_list ap;
    va_start(ap, szFormat);
    int n = std::vsnprintf(szBuf, sizeof szBuf, szFormat, ap);
    va_end(ap);
    if (n > 0) {
        s.append(szBuf, static_cast<size_t>(n < 511 ? n : 511));
    }
    s += "\r\n";
}

void Control(std::string& s, int32_t d, int32_t c) {
    const int32_t x = 7 + (c % 4) * 90;
    const int32_t y = 7 + (c / 4) * 16;
    char szID[48];
    std::snprintf(szID, sizeof szID, "IDC_D%d_C%d", d, c);
    switch (c % 10) {
    case 0:
        Line(s, "    LTEXT           \"Label %d of dialog %d:\", %s, %d, %d, 80, 8", c, d, szID, x,
             y);
        break;
    case 1:
        Line(s, "    EDITTEXT        %s, %d, %d, 80, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP",
             szID, x, y);
        break;
    case 2:
        Line(s, "    PUSHBUTTON      \"&Button %d\", %s, %d, %d, 50, 14", c, szID, x, y);
        break;
    case 3:
        Line(s,
             "    CONTROL         \"Check %d\", %s, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, %d, "
             "%d, "
             "80, 10",
             c, szID, x, y);
        break;
    case 4:
        Line(s,
             "    COMBOBOX        %s, %d, %d, 80, 60, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | "
             "WS_TABSTOP",
             szID, x, y);
        break;
    case 5:
        Line(s,
             "    LISTBOX         %s, %d, %d, 80, 40, LBS_NOTIFY | WS_VSCROLL | WS_BORDER | "
             "WS_TABSTOP",
             szID, x, y);
        break;
    case 6:
        Line(s, "    GROUPBOX        \"Group %d\", %s, %d, %d, 80, 14", c, szID, x, y);
        break;
    case 7:
        Line(s,
             "    CONTROL         \"\", %s, \"SysListView32\", LVS_REPORT | LVS_SHOWSELALWAYS | "
             "WS_BORDER | WS_TABSTOP, %d, %d, 80, 14, WS_EX_CLIENTEDGE",
             szID, x, y);
        break;
    case 8:
        Line(s, "    RTEXT           \"Value %d\", %s, %d, %d, 80, 8, SS_SUNKEN", c, szID, x, y);
        break;
    default:
        Line(
            s,
            "    CONTROL         \"Option %d\", %s, \"Button\", BS_AUTORADIOBUTTON | WS_GROUP, %d, "
            "%d, 80, 10",
            c, szID, x, y);
        break;
    }
}

} // namespace

bool GenSize(const std::string& sSize, int32_t& lDialogs, int32_t& lControls) {
    if (sSize == "small") {
        lDialogs = 10;
        lControls = 20;
    } else if (sSize == "medium") {
        lDialogs = 200;
        lControls = 50;
    } else if (sSize == "large") {
        lDialogs = 1000;
        lControls = 100;
    } else {
        char* pEnd = nullptr;
        long d = std::strtol(sSize.c_str(), &pEnd, 10);
        if (!pEnd || *pEnd != 'x') {
            return false;
        }
        long c = std::strtol(pEnd + 1, &pEnd, 10);
        if (*pEnd || d < 1 || c < 1 || d > 100000 || c > 1000) {
            return false;
        }
        lDialogs = static_cast<int32_t>(d);
        lControls = static_cast<int32_t>(c);
    }
    return true;
}

std::string GenStylesHeader() {
    std::string s = gszStyles;
    std::string r;
    for (char ch : s) {
        if (ch == '\n') {
            r += '\r';
        }
        r += ch;
    }
    return r;
}

std::string GenResourceScript(int32_t lDialogs, int32_t lControls, const std::string& sHeader) {
    std::string s;
    s.reserve(static_cast<size_t>(lDialogs) * static_cast<size_t>(lControls) * 130 + 4096);
    Line(s, "// A synthetic application: %d dialogs of %d controls.", lDialogs, lControls);
    Line(s, "#include \"%s\"", sHeader.c_str());
    Line(s, "%s", "");
    const int32_t lMenus = (lDialogs + 9) / 10;
    // Every ID has a #define: resources from 101, controls and commands from 1001.
    int32_t lValue = 101;
    for (int32_t d = 1; d <= lDialogs; ++d) {
        Line(s, "#define IDD_DIALOG%d %d", d, lValue++);
    }
    for (int32_t m = 1; m <= lMenus; ++m) {
        Line(s, "#define IDR_MENU%d %d", m, lValue++);
        Line(s, "#define IDR_ACCEL%d %d", m, lValue++);
    }
    lValue = 1001;
    for (int32_t d = 1; d <= lDialogs; ++d) {
        for (int32_t c = 0; c < lControls; ++c) {
            Line(s, "#define IDC_D%d_C%d %d", d, c, lValue++);
        }
    }
    // Commands and strings keep to 16 bits, as menus and string tables need.
    lValue = 40001;
    for (int32_t m = 1; m <= lMenus; ++m) {
        for (int32_t i = 1; i <= 12; ++i) {
            Line(s, "#define IDM_M%d_ITEM%d %d", m, i, lValue++);
        }
    }
    lValue = 60001;
    for (int32_t t = 1; t <= lMenus * 4; ++t) {
        Line(s, "#define IDS_TEXT%d %d", t, lValue++);
    }
    Line(s, "%s", "");

    for (int32_t d = 1; d <= lDialogs; ++d) {
        const int32_t lHeight = 20 + ((lControls + 3) / 4) * 16;
        Line(s, "IDD_DIALOG%d DIALOGEX 0, 0, 380, %d", d, lHeight);
        Line(s, "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU");
        Line(s, "CAPTION \"Dialog %d: settings\"", d);
        Line(s, "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1");
        Line(s, "BEGIN");
        for (int32_t c = 0; c < lControls; ++c) {
            Control(s, d, c);
        }
        Line(s, "END");
        Line(s, "%s", "");
    }
    for (int32_t m = 1; m <= lMenus; ++m) {
        Line(s, "IDR_MENU%d MENU", m);
        Line(s, "BEGIN");
        for (int32_t p = 0; p < 3; ++p) {
            Line(s, "    POPUP \"&Menu %d\"", p + 1);
            Line(s, "    BEGIN");
            for (int32_t i = 1; i <= 4; ++i) {
                const int32_t lItem = p * 4 + i;
                Line(s, "        MENUITEM \"&Item %d\\tCtrl+%c\", IDM_M%d_ITEM%d", lItem,
                     'A' + lItem - 1, m, lItem);
                if (i == 2) {
                    Line(s, "        MENUITEM SEPARATOR");
                }
            }
            Line(s, "    END");
        }
        Line(s, "END");
        Line(s, "%s", "");
        Line(s, "IDR_ACCEL%d ACCELERATORS", m);
        Line(s, "BEGIN");
        for (int32_t i = 1; i <= 12; ++i) {
            Line(s, "    \"%c\", IDM_M%d_ITEM%d, VIRTKEY, CONTROL", 'A' + i - 1, m, i);
        }
        Line(s, "END");
        Line(s, "%s", "");
    }
    Line(s, "STRINGTABLE");
    Line(s, "BEGIN");
    for (int32_t t = 1; t <= lMenus * 4; ++t) {
        Line(s, "    IDS_TEXT%d \"Text number %d, shown in the status bar\"", t, t);
    }
    Line(s, "END");
    Line(s, "%s", "");
    Line(s, "1 VERSIONINFO");
    Line(s, "FILEVERSION 1,2,3,4");
    Line(s, "PRODUCTVERSION 1,2,3,4");
    Line(s, "FILEFLAGSMASK 0x3fL");
    Line(s, "FILEFLAGS 0x0L");
    Line(s, "FILEOS 0x40004L");
    Line(s, "FILETYPE 0x1L");
    Line(s, "FILESUBTYPE 0x0L");
    Line(s, "BEGIN");
    Line(s, "    BLOCK \"StringFileInfo\"");
    Line(s, "    BEGIN");
    Line(s, "        BLOCK \"040904b0\"");
    Line(s, "        BEGIN");
    Line(s, "            VALUE \"CompanyName\", \"Synthetic Projects\"");
    Line(s, "            VALUE \"FileDescription\", \"A large generated application\"");
    Line(s, "            VALUE \"FileVersion\", \"1.2.3.4\"");
    Line(s, "            VALUE \"ProductName\", \"Generated\"");
    Line(s, "        END");
    Line(s, "    END");
    Line(s, "    BLOCK \"VarFileInfo\"");
    Line(s, "    BEGIN");
    Line(s, "        VALUE \"Translation\", 0x409, 1200");
    Line(s, "    END");
    Line(s, "END");
    return s;
}
