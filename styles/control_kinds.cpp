#include "styles/control_kinds.h"

#include "model/project.h"
#include "styles/catalog.h"

#include <cctype>
#include <vector>

tCtlDefault gatCtlDefault[wkCtlKindCount];

namespace {

const char* const kCustomTopic = "CONTROL ADD \"custom-control\" statement";

struct KindInfo {
    const char* sToolName;
    const char* sKeyword; // nullptr: the class name (kinds 17-28)
    const char* sClass;
    const char* sHelpTopic;
};

const KindInfo kKinds[wkCtlKindCount] = {
    {"", "", "DialogStyles", "DIALOG NEW statement"},
    {"Image/Picture", "Image", "Static", "CONTROL ADD Image statement"},
    {"Stretchable Image/Picture", "ImageX", "Static", "CONTROL ADD ImageX statement"},
    {"Label/Static Text", "Label", "Static", "CONTROL ADD Label statement"},
    {"Text/Edit Box", "TextBox", "Edit", "CONTROL ADD TextBox statement"},
    {"Frame/Group Box", "Frame", "Button", "CONTROL ADD Frame statement"},
    {"Button", "Button", "Button", "CONTROL ADD Button statement"},
    {"Image Button", "ImgButton", "Button", "CONTROL ADD ImgButton statement"},
    {"Stretchable Image Button", "ImgButtonX", "Button", "CONTROL ADD ImgButtonX statement"},
    {"Check Box", "CheckBox", "Button", "CONTROL ADD CheckBox statement"},
    {"Check 3 State Box", "Check3State", "Button", "CONTROL ADD Check3State statement"},
    {"Option/Radio Button", "Option", "Button", "CONTROL ADD Option statement"},
    {"Combo Box", "ComboBox", "ComboBox", "CONTROL ADD ComboBox statement"},
    {"List Box", "ListBox", "ListBox", "CONTROL ADD ListBox statement"},
    {"Horizontal Scroll Bar", "ScrollBar", "ScrollBar", "CONTROL ADD ScrollBar statement"},
    {"Vertical Scroll Bar", "ScrollBar", "ScrollBar", "CONTROL ADD ScrollBar statement"},
    {"Line", "Line", "Static", "CONTROL ADD Line statement"},
    {"Spin/Up-down Control", nullptr, "msctls_updown32", "Up-Down Control Styles"},
    {"Progress Bar", nullptr, "msctls_progress32", "Using Progress Bars"},
    {"Slider/Track Bar Control", nullptr, "msctls_trackbar32", "Trackbar Styles"},
    {"Hot Key Control", nullptr, "msctls_hotkey32", "Hot-Key Control Messages"},
    {"List View Control", nullptr, "SysListView32", "List View Window Styles"},
    {"Tree View Control", nullptr, "SysTreeView32", "Tree-View Styles"},
    {"Tab Control", nullptr, "SysTabControl32", "Tab Control Styles"},
    {"Animate Control", nullptr, "SysAnimate32", "Animation Control Styles"},
    {"Rich Edit Control", nullptr, "RichEdit", "Rich Edit Control Styles"},
    {"Date Time Picker Control", nullptr, "SysDateTimePick32", kCustomTopic},
    {"Month Calendar Control", nullptr, "SysMonthCal32", kCustomTopic},
    {"IP Address Control", nullptr, "SysIPAddress32", kCustomTopic},
    {"Custom Control", nullptr, "", kCustomTopic},
};

// The upper-case keywords and class names the readers map to kinds.
struct KeywordKind {
    const char* sUpper;
    int32_t lKind;
};
const KeywordKind kKeywords[] = {
    {"IMAGE", 1},
    {"IMAGEX", 2},
    {"LABEL", 3},
    {"TEXTBOX", 4},
    {"FRAME", 5},
    {"BUTTON", 6},
    {"IMGBUTTON", 7},
    {"IMGBUTTONX", 8},
    {"CHECKBOX", 9},
    {"CHECK3STATE", 10},
    {"OPTION", 11},
    {"COMBOBOX", 12},
    {"LISTBOX", 13},
    {"SCROLLBAR", 14},
    {"LINE", 16},
    {"MSCTLS_UPDOWN32", 17},
    {"MSCTLS_PROGRESS32", 18},
    {"MSCTLS_TRACKBAR32", 19},
    {"MSCTLS_HOTKEY32", 20},
    {"SYSLISTVIEW32", 21},
    {"SYSTREEVIEW32", 22},
    {"SYSTABCONTROL32", 23},
    {"SYSANIMATE32", 24},
    {"RICHEDIT", 25},
    {"SYSDATETIMEPICK32", 26},
    {"SYSMONTHCAL32", 27},
    {"SYSIPADDRESS32", 28},
};

bool ValidKind(int32_t lKind) {
    return lKind >= 0 && lKind < wkCtlKindCount;
}

// ---- Default lists -----------------------------------------------------------

// Where a default list entry is resolved: the window styles, the extended
// styles, the dialog styles, or the kind's own class section; or one of the two
// shared lists (%WS_CHILD, %WS_VISIBLE and std-ex) built once.
enum Section { secWindow, secEx, secDialog, secOwn, secChildVisible, secStdEx };

// One entry: found by value (the first row of the section with that value), or
// by name when sName is set (a row whose value an earlier row of the section
// carries, such as %BS_PUSHBUTTON after %BS_TEXT).
struct DefItem {
    Section lSection;
    uint32_t lValue;
    const char* sName;
};

constexpr DefItem V(Section lSection, uint32_t lValue) {
    return {lSection, lValue, nullptr};
}
constexpr DefItem N(Section lSection, const char* sName) {
    return {lSection, 0, sName};
}

constexpr uint32_t WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000,
                   WS_CLIPSIBLINGS = 0x4000000, WS_BORDER = 0x800000, WS_DLGFRAME = 0x400000,
                   WS_VSCROLL = 0x200000, WS_HSCROLL = 0x100000, WS_TABSTOP = 0x10000;
constexpr uint32_t WS_EX_WINDOWEDGE = 0x100, WS_EX_CLIENTEDGE = 0x200,
                   WS_EX_CONTROLPARENT = 0x10000;

constexpr DefItem CV = {secChildVisible, 0, nullptr};
constexpr DefItem STDEX = {secStdEx, 0, nullptr};
constexpr DefItem TABSTOP = V(secWindow, WS_TABSTOP);
constexpr DefItem BORDER = V(secWindow, WS_BORDER);

// Size, numeric styles and design bits of each kind.
struct KindNumbers {
    int32_t lWidth, lHeight;
    uint32_t lStyle, lExStyle, lDesignStyle, lDesignExStyle;
};
const KindNumbers kNumbers[wkCtlKindCount] = {
    {300, 200, 0x94C000D4, 0x10100, 0xC40000, 0}, // 0 dialog
    {30, 30, 0x5000000E, 0, 0x4000000, 0},        // 1 image
    {30, 30, 0x5000000E, 0, 0x4000000, 0},        // 2 stretchable image
    {100, 10, 0x50000000, 0, 0x4000100, 0},       // 3 label
    {100, 13, 0x50010080, 0x200, 0x4000000, 0},   // 4 text box
    {100, 100, 0x50000107, 0, 0x4000000, 0x20},   // 5 frame
    {50, 15, 0x50010F00, 0, 0x4000000, 0},        // 6 button
    {50, 50, 0x50010F80, 0, 0x4000000, 0},        // 7 image button
    {50, 50, 0x50010F80, 0, 0x4000000, 0},        // 8 stretchable image button
    {100, 10, 0x50010D03, 0, 0x4000000, 0},       // 9 check box
    {100, 10, 0x50010D06, 0, 0x4000000, 0},       // 10 three-state check box
    {100, 10, 0x50010D09, 0, 0x4000000, 0},       // 11 option
    {100, 40, 0x50010102, 0, 0x4000003, 0},       // 12 combo box
    {100, 80, 0x50A10003, 0x200, 0x4000100, 0},   // 13 list box
    {100, 10, 0x50000000, 0, 0x4000000, 0},       // 14 horizontal scroll bar
    {10, 100, 0x50000001, 0, 0x4000000, 0},       // 15 vertical scroll bar
    {100, 10, 0x50000012, 0, 0x4000100, 0x20},    // 16 line
    {10, 12, 0x50000000, 0, 0x4000000, 0},        // 17 up-down
    {100, 10, 0x50800000, 0, 0x4000000, 0},       // 18 progress bar
    {100, 18, 0x50000000, 0, 0x4000000, 0},       // 19 track bar
    {100, 13, 0x50010000, 0x200, 0x4000000, 0},   // 20 hot key
    {100, 50, 0x50810009, 0, 0x4000000, 0},       // 21 list view
    {100, 50, 0x50810027, 0, 0x4000000, 0},       // 22 tree view
    {100, 50, 0x50010000, 0, 0x4000000, 0},       // 23 tab control
    {174, 25, 0x50000006, 0, 0x4000000, 0},       // 24 animation
    {100, 50, 0x50B010C4, 0, 0x4000000, 0},       // 25 rich edit
    {100, 13, 0x50010000, 0, 0x4000000, 0x200},   // 26 date time picker
    {130, 97, 0x50010000, 0, 0x4000000, 0},       // 27 month calendar
    {100, 13, 0x50010000, 0, 0x4000000, 0x200},   // 28 IP address
    {100, 10, 0x50000000, 0, 0x4800000, 0},       // 29 custom control
};

// The default style lists, in list order.
const std::vector<DefItem>& DefaultStyleItems(int32_t lKind) {
    static const std::vector<DefItem> kLists[wkCtlKindCount] = {
        // 0 dialog: %WS_BORDER and %WS_DLGFRAME, not %WS_CAPTION
        {V(secWindow, WS_POPUP), V(secWindow, WS_VISIBLE), V(secWindow, WS_CLIPSIBLINGS), BORDER,
         V(secWindow, WS_DLGFRAME), V(secDialog, 0x4), V(secDialog, 0x10), V(secDialog, 0x40),
         V(secDialog, 0x80)},
        {CV, V(secOwn, 0xE)}, // 1 %SS_BITMAP
        {CV, V(secOwn, 0xE)}, // 2
        {CV, N(secOwn, "%SS_LEFT")},
        {CV, TABSTOP, V(secOwn, 0x0), V(secOwn, 0x80)}, // 4 %ES_LEFT, %ES_AUTOHSCROLL
        {CV, N(secOwn, "%BS_TEXT"), V(secOwn, 0x7), V(secOwn, 0x100)},
        {CV, TABSTOP, N(secOwn, "%BS_TEXT"), N(secOwn, "%BS_PUSHBUTTON"), V(secOwn, 0x300),
         V(secOwn, 0xC00)},
        {CV, TABSTOP, N(secOwn, "%BS_PUSHBUTTON"), V(secOwn, 0x300), V(secOwn, 0xC00),
         V(secOwn, 0x80)}, // 7 ... %BS_BITMAP
        {CV, TABSTOP, N(secOwn, "%BS_PUSHBUTTON"), V(secOwn, 0x300), V(secOwn, 0xC00),
         V(secOwn, 0x80)},
        {CV, TABSTOP, N(secOwn, "%BS_TEXT"), V(secOwn, 0x3), V(secOwn, 0x100), V(secOwn, 0xC00)},
        {CV, TABSTOP, N(secOwn, "%BS_TEXT"), V(secOwn, 0x6), V(secOwn, 0x100), V(secOwn, 0xC00)},
        {CV, TABSTOP, N(secOwn, "%BS_TEXT"), V(secOwn, 0x9), V(secOwn, 0x100), V(secOwn, 0xC00)},
        {CV, TABSTOP, V(secOwn, 0x2), V(secOwn, 0x100)}, // 12 %CBS_DROPDOWN, %CBS_SORT
        {CV, V(secWindow, WS_VSCROLL), TABSTOP, V(secOwn, 0x1), V(secOwn, 0x2),
         N(secOwn, "%LBS_STANDARD")},
        {CV, N(secOwn, "%SBS_HORZ")},
        {CV, V(secOwn, 0x1)},  // 15 %SBS_VERT
        {CV, V(secOwn, 0x12)}, // 16 %SS_ETCHEDFRAME
        {CV},
        {CV, BORDER},
        {CV, N(secOwn, "%TBS_HORZ"), N(secOwn, "%TBS_BOTTOM")},
        {CV, TABSTOP},
        {CV, BORDER, TABSTOP, V(secOwn, 0x1), V(secOwn, 0x8)}, // 21 report, show selection
        {CV, BORDER, TABSTOP, V(secOwn, 0x1), V(secOwn, 0x2), V(secOwn, 0x4), V(secOwn, 0x20)},
        {CV, TABSTOP, N(secOwn, "%TCS_SINGLELINE"), N(secOwn, "%TCS_RIGHTJUSTIFY")},
        {CV, V(secOwn, 0x2), V(secOwn, 0x4)}, // 24 %ACS_TRANSPARENT, %ACS_AUTOPLAY
        // 25: %ES_LEFT of the RichEdit section, found by name there
        {CV, BORDER, V(secWindow, WS_VSCROLL), V(secWindow, WS_HSCROLL), N(secOwn, "%ES_LEFT"),
         V(secOwn, 0x4), V(secOwn, 0x40), V(secOwn, 0x80), V(secOwn, 0x1000)},
        {CV, TABSTOP, N(secOwn, "%DTS_SHORTDATEFORMAT")},
        {CV, TABSTOP},
        {CV, TABSTOP},
        {CV},
    };
    return kLists[lKind];
}

// The default extended-style lists; an empty one means none (element 0).
const std::vector<DefItem>& DefaultExItems(int32_t lKind) {
    static const std::vector<DefItem> kLists[wkCtlKindCount] = {
        {V(secEx, WS_EX_WINDOWEDGE), STDEX, V(secEx, WS_EX_CONTROLPARENT)},
        {},
        {},
        {STDEX},
        {V(secEx, WS_EX_CLIENTEDGE), STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {V(secEx, WS_EX_CLIENTEDGE), STDEX},
        {},
        {},
        {},
        {},
        {},
        {},
        {V(secEx, WS_EX_CLIENTEDGE), N(secEx, "%WS_EX_LEFT"), N(secEx, "%WS_EX_LTRREADING")},
        {N(secEx, "%WS_EX_LEFT"), N(secEx, "%WS_EX_RIGHTSCROLLBAR")},
        {STDEX},
        {N(secEx, "%WS_EX_LEFT"), N(secEx, "%WS_EX_LTRREADING")},
        {},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
        {STDEX},
    };
    return kLists[lKind];
}

std::string TokenOf(int32_t lStyle) {
    return lStyle ? FormatStyleToken(lStyle) + "," : std::string();
}

// The classes a list entry may be resolved in, and the two shared lists.
struct ListContext {
    int32_t lWindow, lEx, lDialog, lOwn;
    std::string sChildVisible, sStdEx;
};

std::string ListOf(const std::vector<DefItem>& atItems, const ListContext& t) {
    std::string sList;
    for (const DefItem& tItem : atItems) {
        int32_t lClass = 0;
        switch (tItem.lSection) {
        case secChildVisible:
            sList += t.sChildVisible;
            continue;
        case secStdEx:
            sList += t.sStdEx;
            continue;
        case secWindow:
            lClass = t.lWindow;
            break;
        case secEx:
            lClass = t.lEx;
            break;
        case secDialog:
            lClass = t.lDialog;
            break;
        case secOwn:
            lClass = t.lOwn;
            break;
        }
        // A name the catalog does not have (row 0) is skipped.
        sList += TokenOf(tItem.sName ? FindStyleByName(lClass, tItem.sName)
                                     : FindStyleByValue(lClass, tItem.lValue));
    }
    return sList;
}

// ---- Design-surface styles -----------------------------------------------------

// The style bits copied from the row into the live window, kind by kind. A
// constant of several bits is copied only when the row has all of them.
const std::vector<uint32_t>& CopiedBits(int32_t lKind) {
    static const std::vector<uint32_t> kNone;
    static const std::vector<uint32_t> kBits[wkCtlKindCount] = {
        // 0: %WS_SYSMENU, %WS_MINIMIZEBOX, %WS_MAXIMIZEBOX, %WS_HSCROLL, %WS_VSCROLL,
        // %DS_CONTEXTHELP
        {0x80000, 0x20000, 0x10000, WS_HSCROLL, WS_VSCROLL, 0x2000},
        // 1, 2: the static type is handled apart; %SS_CENTERIMAGE, %SS_SUNKEN
        {0x200, 0x1000},
        {0x200, 0x1000},
        // 3: %WS_BORDER, %SS_CENTER, %SS_RIGHT, %SS_LEFTNOWORDWRAP, %SS_NOPREFIX,
        // %SS_CENTERIMAGE, %SS_SUNKEN
        {WS_BORDER, 0x1, 0x2, 0xC, 0x80, 0x200, 0x1000},
        // 4: %WS_HSCROLL, %WS_VSCROLL, %ES_CENTER, %ES_RIGHT, %ES_MULTILINE,
        // %ES_UPPERCASE, %ES_LOWERCASE, %ES_PASSWORD, %ES_READONLY, %ES_NUMBER
        {WS_HSCROLL, WS_VSCROLL, 0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x800, 0x2000},
        // 5: %WS_BORDER, %BS_LEFT, %BS_RIGHT, %BS_FLAT
        {WS_BORDER, 0x100, 0x200, 0x8000},
        // 6: %WS_BORDER, %BS_LEFT, %BS_RIGHT, %BS_TOP, %BS_BOTTOM, %BS_FLAT
        {WS_BORDER, 0x100, 0x200, 0x400, 0x800, 0x8000},
        // 7: %BS_ICON, %BS_BITMAP, then as 6
        {0x40, 0x80, WS_BORDER, 0x100, 0x200, 0x400, 0x800, 0x8000},
        // 8: %BS_ICON, %BS_BITMAP, %WS_BORDER, %BS_FLAT
        {0x40, 0x80, WS_BORDER, 0x8000},
        // 9, 10, 11: %WS_BORDER, %BS_PUSHLIKE, %BS_MULTILINE, %BS_FLAT, %BS_LEFT,
        // %BS_RIGHT, %BS_TOP, %BS_BOTTOM, %BS_LEFTTEXT
        {WS_BORDER, 0x1000, 0x2000, 0x8000, 0x100, 0x200, 0x400, 0x800, 0x20},
        {WS_BORDER, 0x1000, 0x2000, 0x8000, 0x100, 0x200, 0x400, 0x800, 0x20},
        {WS_BORDER, 0x1000, 0x2000, 0x8000, 0x100, 0x200, 0x400, 0x800, 0x20},
        // 12: none
        {},
        // 13: %WS_BORDER, %WS_HSCROLL, %WS_VSCROLL
        {WS_BORDER, WS_HSCROLL, WS_VSCROLL},
        // 14, 15: %WS_BORDER, top/left align &H2, bottom/right align &H4
        {WS_BORDER, 0x2, 0x4},
        {WS_BORDER, 0x2, 0x4},
        // 16: none
        {},
        // 17: %WS_BORDER, %UDS_HORZ (%UDS_AUTOBUDDY is handled apart)
        {WS_BORDER, 0x40},
        // 18: %WS_BORDER, %PBS_SMOOTH, %PBS_VERTICAL
        {WS_BORDER, 0x1, 0x4},
        // 19: %TBS_VERT, %TBS_BOTH, &H4 (%TBS_TOP / %TBS_LEFT), %TBS_NOTICKS, %TBS_NOTHUMB
        {0x2, 0x8, 0x4, 0x10, 0x80},
        // 20: %WS_BORDER
        {WS_BORDER},
        // 21: %WS_BORDER, %LVS_NOSCROLL, %LVS_NOCOLUMNHEADER, %LVS_NOSORTHEADER
        {WS_BORDER, 0x2000, 0x4000, 0x8000},
        // 22: %WS_BORDER, %TVS_HASBUTTONS, %TVS_HASLINES, %TVS_LINESATROOT,
        // %TVS_CHECKBOXES, %TVS_NOSCROLL
        {WS_BORDER, 0x1, 0x2, 0x4, 0x100, 0x2000},
        // 23: %WS_BORDER, %TCS_BOTTOM, %TCS_MULTISELECT, %TCS_FLATBUTTONS,
        // %TCS_VERTICAL, %TCS_BUTTONS, %TCS_FIXEDWIDTH
        {WS_BORDER, 0x2, 0x4, 0x8, 0x80, 0x100, 0x400},
        // 24: %WS_BORDER, %ACS_CENTER
        {WS_BORDER, 0x1},
        // 25: %WS_BORDER, %WS_HSCROLL, %WS_VSCROLL, %ES_CENTER, %ES_RIGHT,
        // %ES_MULTILINE, %ES_SUNKEN
        {WS_BORDER, WS_HSCROLL, WS_VSCROLL, 0x1, 0x2, 0x4, 0x4000},
        // 26: %WS_BORDER, %DTS_UPDOWN, %DTS_SHOWNONE, %DTS_LONGDATEFORMAT,
        // %DTS_SHORTDATECENTURYFORMAT, %DTS_TIMEFORMAT
        {WS_BORDER, 0x1, 0x2, 0x4, 0xC, 0x9},
        // 27: %WS_BORDER, %MCS_DAYSTATE, %MCS_WEEKNUMBERS, %MCS_NOTODAYCIRCLE, %MCS_NOTODAY
        {WS_BORDER, 0x1, 0x4, 0x8, 0x10},
        // 28, 29: %WS_BORDER
        {WS_BORDER},
        {WS_BORDER},
    };
    return ValidKind(lKind) ? kBits[lKind] : kNone;
}

} // namespace

void LoadDesignerCatalogOnce() {
    static bool bLoaded = false;
    if (!bLoaded) {
        LoadStylesCatalog();
        BuildControlDefaults();
        bLoaded = true;
    }
}

void BuildControlDefaults() {
    // Storing the lists is start-up work, not a change to the project.
    const int32_t lWasChanged = glChanged;
    ListContext tCtx;
    tCtx.lWindow = FindClass("WindowStyles");
    tCtx.lEx = FindClass("ExStyles");
    tCtx.lDialog = FindClass("DialogStyles");
    tCtx.lOwn = 0;
    // The two shared lists, built once.
    tCtx.sChildVisible = TokenOf(FindStyleByValue(tCtx.lWindow, WS_CHILD)) +
                         TokenOf(FindStyleByValue(tCtx.lWindow, WS_VISIBLE));
    tCtx.sStdEx = TokenOf(FindStyleByName(tCtx.lEx, "%WS_EX_LEFT")) +
                  TokenOf(FindStyleByName(tCtx.lEx, "%WS_EX_LTRREADING")) +
                  TokenOf(FindStyleByName(tCtx.lEx, "%WS_EX_RIGHTSCROLLBAR"));

    for (int32_t lKind = 0; lKind < wkCtlKindCount; ++lKind) {
        const KindNumbers& t = kNumbers[lKind];
        // Kind 29 has no class section of its own; FindClass("") finds none.
        tCtx.lOwn = FindClass(kKinds[lKind].sClass);
        tCtlDefault& tDef = gatCtlDefault[lKind];
        tDef = tCtlDefault{};
        tDef.lWidth = t.lWidth;
        tDef.lHeight = t.lHeight;
        // The numeric styles are constants, not recomputed from the lists.
        tDef.lStyle = static_cast<int32_t>(t.lStyle);
        tDef.lExStyle = static_cast<int32_t>(t.lExStyle);
        tDef.lDesignStyle = static_cast<int32_t>(t.lDesignStyle);
        tDef.lDesignExStyle = static_cast<int32_t>(t.lDesignExStyle);
        SetDynStr(tDef.lStyleStrElem, ListOf(DefaultStyleItems(lKind), tCtx));
        SetDynStr(tDef.lExStyleStrElem, ListOf(DefaultExItems(lKind), tCtx));
    }
    // Everything the catalog put into the pool survives ClearProject.
    glDynStrBase = glDynStrCnt;
    glChanged = lWasChanged;
}

std::string CtlTypeClass(int32_t lKind) {
    return ValidKind(lKind) ? kKinds[lKind].sClass : "";
}

std::string CtlTypeKeyword(int32_t lKind, int32_t lFlag) {
    if (!ValidKind(lKind)) {
        return std::string();
    }
    if (kKinds[lKind].sKeyword) {
        return kKinds[lKind].sKeyword;
    }
    if (lFlag != 0) {
        return std::string();
    }
    const std::string sClass = CtlTypeClass(lKind);
    return sClass.empty() ? "CustomControl" : sClass;
}

int32_t CtlTypeFromKeyword(std::string_view sText) {
    std::string sUpper(sText);
    for (char& c : sUpper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (const KeywordKind& t : kKeywords) {
        if (sUpper == t.sUpper) {
            return t.lKind;
        }
    }
    return wkCtlCustom;
}

std::string CtlTypeHelpTopic(int32_t lKind) {
    return ValidKind(lKind) ? kKinds[lKind].sHelpTopic : "";
}

std::string CtlTypeToolName(int32_t lKind) {
    return ValidKind(lKind) ? kKinds[lKind].sToolName : "";
}

tDesignStyles DesignWindowStyles(const tDlg& tRow) {
    const int32_t lKind = tRow.lCtlType;
    const tCtlDefault tDef = ValidKind(lKind) ? gatCtlDefault[lKind] : tCtlDefault{};
    const uint32_t lRow = static_cast<uint32_t>(tRow.lStyle);
    const uint32_t lRowEx = static_cast<uint32_t>(tRow.lExStyle);
    uint32_t lStyle = static_cast<uint32_t>(tDef.lDesignStyle | tDef.lStyle);
    uint32_t lExStyle = static_cast<uint32_t>(tDef.lDesignExStyle | tDef.lExStyle);

    if (lKind == wkCtlImage || lKind == wkCtlImageX) {
        // The live window shows the picture kind the row names: an icon or a
        // bitmap; any other static type shows neither.
        constexpr uint32_t kTypeMask = 0x1F, kIcon = 0x3, kBitmap = 0xE;
        lStyle &= ~kTypeMask;
        if ((lRow & kTypeMask) == kIcon || (lRow & kTypeMask) == kBitmap) {
            lStyle |= lRow & kTypeMask;
        }
    }
    for (uint32_t lBits : CopiedBits(lKind)) {
        if ((lRow & lBits) == lBits) {
            lStyle |= lBits;
        }
    }
    if (lKind == wkCtlLabel && (lRow & 0xB) == 0xB) {
        // The %SS_CENTER and %SS_RIGHT bits copied from %SS_SIMPLE would turn
        // the label into an icon (&H3).
        lStyle &= ~0xBu;
    }
    if (lKind == wkCtlUpDown && (lRow & 0x10)) {
        // %UDS_AUTOBUDDY would attach the arrows to the control before it on
        // the design surface.
        lStyle &= ~0x10u;
    }
    if (lKind == wkCtlDialog) {
        // %WS_EX_CONTEXTHELP, %WS_EX_TOOLWINDOW
        for (uint32_t lBits : {0x400u, 0x80u}) {
            lExStyle |= lRowEx & lBits;
        }
    }
    // %WS_EX_CLIENTEDGE, %WS_EX_STATICEDGE, %WS_EX_DLGMODALFRAME, %WS_EX_RIGHT,
    // %WS_EX_RTLREADING, %WS_EX_LEFTSCROLLBAR
    lExStyle |= lRowEx & (0x200u | 0x20000u | 0x1u | 0x1000u | 0x2000u | 0x4000u);
    return {static_cast<int32_t>(lStyle), static_cast<int32_t>(lExStyle)};
}

tDlg NewKindRow(int32_t lKind) {
    tDlg t{};
    const tCtlDefault tDef = ValidKind(lKind) ? gatCtlDefault[lKind] : tCtlDefault{};
    t.lCtlType = lKind;
    t.szClass = CtlTypeClass(lKind);
    t.lClassElem = FindClass(t.szClass.view());
    t.lStyle = tDef.lStyle;
    t.lExStyle = tDef.lExStyle;
    SetDynStr(t.lStyleStrElem, GetDynStr(tDef.lStyleStrElem));
    SetDynStr(t.lExStyleStrElem, GetDynStr(tDef.lExStyleStrElem));
    t.nRight = tDef.lWidth;
    t.nBottom = tDef.lHeight;
    EnsureImpliedStyles(t);
    return t;
}

tDesignStyles DesignWindowStyles(int32_t lRow) {
    return DesignWindowStyles(gatDlg[lRow]);
}
