#include "props/rules/style_pages.h"

#include "props/rules/style_texts.h"

#include "model/dynstr.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <array>
#include <map>
#include <string_view>

namespace {

// One line per kind: the kind, the styles list and the extended styles list,
// separated by ";". Names without their "%"; "-" is a separator line, a name
// in brackets an option button, "|" before it the first option of a group, a
// "*" after it a locked entry; other names are check boxes.
constexpr const char* kPageDefinitions =
    "0;|(WS_POPUP) (WS_OVERLAPPED) (WS_CHILD) - WS_BORDER WS_DLGFRAME WS_THICKFRAME WS_CAPTION "
    "WS_SYSMENU WS_MINIMIZEBOX WS_MAXIMIZEBOX WS_CLIPSIBLINGS WS_CLIPCHILDREN WS_HSCROLL "
    "WS_VSCROLL WS_VISIBLE* WS_DISABLED - DS_ABSALIGN DS_SYSMODAL DS_MODALFRAME DS_SETFOREGROUND "
    "DS_CONTROL DS_CENTER DS_CENTERMOUSE DS_CONTEXTHELP DS_3DLOOK* DS_NOFAILCREATE* "
    "DS_SETFONT*;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_WINDOWEDGE WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES WS_EX_CONTROLPARENT WS_EX_CONTEXTHELP WS_EX_NOPARENTNOTIFY WS_EX_TOOLWINDOW "
    "WS_EX_TOPMOST WS_EX_APPWINDOW WS_EX_MDICHILD - |(WS_EX_LEFT) (WS_EX_RIGHT) - "
    "|(WS_EX_LTRREADING) (WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) (WS_EX_LEFTSCROLLBAR)\n"
    "1;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(SS_ICON) (SS_BITMAP) - "
    "SS_SUNKEN SS_NOTIFY SS_CENTERIMAGE;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME "
    "WS_EX_TRANSPARENT WS_EX_ACCEPTFILES\n"
    "2;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(SS_ICON) (SS_BITMAP) - "
    "SS_SUNKEN SS_NOTIFY;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES\n"
    "3;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(SS_LEFT) (SS_CENTER) "
    "(SS_RIGHT) - SS_CENTERIMAGE SS_NOPREFIX SS_NOWORDWRAP SS_SIMPLE SS_NOTIFY "
    "SS_SUNKEN;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "4;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP WS_HSCROLL WS_VSCROLL - "
    "|(ES_LEFT) (ES_CENTER) (ES_RIGHT) - ES_MULTILINE ES_UPPERCASE ES_LOWERCASE ES_PASSWORD "
    "ES_AUTOHSCROLL ES_AUTOVSCROLL ES_NOHIDESEL ES_OEMCONVERT ES_READONLY ES_WANTRETURN "
    "ES_NUMBER;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - "
    "|(WS_EX_RIGHTSCROLLBAR) (WS_EX_LEFTSCROLLBAR)\n"
    "5;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(BS_TEXT) (BS_ICON) "
    "(BS_BITMAP) - |(BS_LEFT) (BS_CENTER) (BS_RIGHT) - BS_NOTIFY BS_FLAT "
    "BS_GROUPBOX*;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "6;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - BS_TEXT BS_MULTILINE "
    "BS_PUSHBUTTON* BS_DEFPUSHBUTTON BS_OWNERDRAW BS_NOTIFY BS_FLAT - |(BS_LEFT) (BS_CENTER) "
    "(BS_RIGHT) - |(BS_TOP) (BS_VCENTER) (BS_BOTTOM);WS_EX_CLIENTEDGE WS_EX_STATICEDGE "
    "WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - "
    "|(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "7;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(BS_ICON) (BS_BITMAP) - "
    "BS_PUSHBUTTON* BS_DEFPUSHBUTTON BS_OWNERDRAW BS_NOTIFY BS_FLAT - |(BS_LEFT) (BS_CENTER) "
    "(BS_RIGHT) - |(BS_TOP) (BS_VCENTER) (BS_BOTTOM);WS_EX_CLIENTEDGE WS_EX_STATICEDGE "
    "WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - "
    "|(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "8;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(BS_ICON) (BS_BITMAP) - "
    "BS_PUSHBUTTON* BS_DEFPUSHBUTTON BS_OWNERDRAW BS_NOTIFY BS_FLAT;WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "9;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(BS_TEXT) (BS_ICON) "
    "(BS_BITMAP) - BS_AUTOCHECKBOX* BS_LEFTTEXT BS_PUSHLIKE BS_MULTILINE BS_NOTIFY BS_FLAT - "
    "|(BS_LEFT) (BS_CENTER) (BS_RIGHT) - |(BS_TOP) (BS_VCENTER) (BS_BOTTOM);WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "10;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(BS_TEXT) (BS_ICON) "
    "(BS_BITMAP) - BS_AUTO3STATE* BS_LEFTTEXT BS_PUSHLIKE BS_MULTILINE BS_NOTIFY BS_FLAT - "
    "|(BS_LEFT) (BS_CENTER) (BS_RIGHT) - |(BS_TOP) (BS_VCENTER) (BS_BOTTOM);WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "11;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(BS_TEXT) (BS_ICON) "
    "(BS_BITMAP) - BS_AUTORADIOBUTTON* BS_LEFTTEXT BS_PUSHLIKE BS_MULTILINE BS_NOTIFY BS_FLAT - "
    "|(BS_LEFT) (BS_CENTER) (BS_RIGHT) - |(BS_TOP) (BS_VCENTER) (BS_BOTTOM);WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "12;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP WS_VSCROLL - "
    "|(CBS_DROPDOWNLIST) (CBS_DROPDOWN) (CBS_SIMPLE) - CBS_OWNERDRAWFIXED CBS_OWNERDRAWVARIABLE "
    "CBS_HASSTRINGS CBS_SORT CBS_NOINTEGRALHEIGHT CBS_OEMCONVERT CBS_AUTOHSCROLL "
    "CBS_DISABLENOSCROLL CBS_UPPERCASE CBS_LOWERCASE;WS_EX_CLIENTEDGE WS_EX_STATICEDGE "
    "WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - "
    "|(WS_EX_LTRREADING) (WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) (WS_EX_LEFTSCROLLBAR)\n"
    "13;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP WS_HSCROLL WS_VSCROLL - "
    "LBS_STANDARD |(Single Select) (LBS_MULTIPLESEL) (LBS_EXTENDEDSEL) (LBS_NOSEL) - "
    "LBS_OWNERDRAWFIXED LBS_OWNERDRAWVARIABLE LBS_HASSTRINGS LBS_NODATA LBS_SORT LBS_NOTIFY "
    "LBS_NOREDRAW LBS_USETABSTOPS LBS_NOINTEGRALHEIGHT LBS_MULTICOLUMN LBS_WANTKEYBOARDINPUT "
    "LBS_DISABLENOSCROLL;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - "
    "|(WS_EX_RIGHTSCROLLBAR) (WS_EX_LEFTSCROLLBAR)\n"
    "14;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - SBS_HORZ* SBS_TOPALIGN "
    "SBS_BOTTOMALIGN;\n"
    "15;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - SBS_VERT* SBS_LEFTALIGN "
    "SBS_RIGHTALIGN;\n"
    "16;WS_CHILD* WS_VISIBLE* - |(SS_ETCHEDFRAME) (SS_ETCHEDHORZ) (SS_ETCHEDVERT) (SS_BLACKRECT) "
    "(SS_GRAYRECT) (SS_WHITERECT) (SS_BLACKFRAME) (SS_GRAYFRAME) "
    "(SS_WHITEFRAME);WS_EX_TRANSPARENT\n"
    "17;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - UDS_WRAP UDS_SETBUDDYINT "
    "UDS_ALIGNRIGHT UDS_ALIGNLEFT UDS_AUTOBUDDY UDS_ARROWKEYS UDS_HORZ UDS_NOTHOUSANDS "
    "UDS_HOTTRACK;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES\n"
    "18;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - PBS_SMOOTH "
    "PBS_VERTICAL;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES\n"
    "19;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(TBS_VERT) (TBS_HORZ) - "
    "|(TBS_TOP) (TBS_BOTTOM) (TBS_LEFT) (TBS_RIGHT) (TBS_BOTH) - TBS_AUTOTICKS TBS_NOTICKS "
    "TBS_ENABLESELRANGE TBS_FIXEDLENGTH TBS_NOTHUMB TBS_TOOLTIPS;WS_EX_CLIENTEDGE WS_EX_STATICEDGE "
    "WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES\n"
    "20;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP;WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING)\n"
    "21;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - LVS_ICON LVS_REPORT "
    "LVS_SMALLICON LVS_LIST LVS_SINGLESEL LVS_SHOWSELALWAYS LVS_SORTASCENDING LVS_SORTDESCENDING "
    "LVS_SHAREIMAGELISTS LVS_NOLABELWRAP LVS_AUTOARRANGE LVS_EDITLABELS LVS_OWNERDATA LVS_NOSCROLL "
    "LVS_ALIGNTOP LVS_ALIGNLEFT LVS_OWNERDRAWFIXED LVS_NOCOLUMNHEADER "
    "LVS_NOSORTHEADER;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_RIGHTSCROLLBAR) "
    "(WS_EX_LEFTSCROLLBAR)\n"
    "22;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - TVS_HASBUTTONS "
    "TVS_HASLINES TVS_LINESATROOT TVS_EDITLABELS TVS_DISABLEDRAGDROP TVS_SHOWSELALWAYS "
    "TVS_RTLREADING TVS_NOTOOLTIPS TVS_CHECKBOXES TVS_TRACKSELECT TVS_SINGLEEXPAND TVS_INFOTIP "
    "TVS_FULLROWSELECT TVS_NOSCROLL TVS_NONEVENHEIGHT TVS_NOHSCROLL;WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) "
    "(WS_EX_LEFTSCROLLBAR)\n"
    "23;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - |(TCS_SINGLELINE) "
    "(TCS_MULTILINE) - |(TCS_RIGHTJUSTIFY) (TCS_FIXEDWIDTH) (TCS_RAGGEDRIGHT) - TCS_SCROLLOPPOSITE "
    "TCS_BOTTOM TCS_RIGHT TCS_MULTISELECT TCS_FLATBUTTONS TCS_FORCEICONLEFT TCS_FORCELABELLEFT "
    "TCS_HOTTRACK TCS_VERTICAL TCS_TABS TCS_BUTTONS - TCS_FOCUSONBUTTONDOWN TCS_FOCUSNEVER "
    "TCS_OWNERDRAWFIXED TCS_TOOLTIPS;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME "
    "WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) "
    "(WS_EX_RTLREADING)\n"
    "24;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - ACS_CENTER "
    "ACS_TRANSPARENT ACS_AUTOPLAY ACS_TIMER;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME "
    "WS_EX_TRANSPARENT WS_EX_ACCEPTFILES\n"
    "25;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP WS_HSCROLL WS_VSCROLL - "
    "|(ES_LEFT) (ES_CENTER) (ES_RIGHT) - ES_MULTILINE ES_AUTOHSCROLL ES_AUTOVSCROLL ES_NOHIDESEL "
    "ES_READONLY ES_WANTRETURN ES_SAVESEL ES_SUNKEN ES_DISABLENOSCROLL "
    "ES_NOOLEDRAGDROP;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT "
    "WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - "
    "|(WS_EX_RIGHTSCROLLBAR) (WS_EX_LEFTSCROLLBAR)\n"
    "26;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - DTS_UPDOWN DTS_SHOWNONE "
    "- |(DTS_SHORTDATEFORMAT) (DTS_LONGDATEFORMAT) (DTS_SHORTDATECENTURYFORMAT) (DTS_TIMEFORMAT) - "
    "DTS_APPCANPARSE DTS_RIGHTALIGN;WS_EX_CLIENTEDGE WS_EX_STATICEDGE WS_EX_DLGMODALFRAME "
    "WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) (WS_EX_RIGHT) - |(WS_EX_LTRREADING) "
    "(WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) (WS_EX_LEFTSCROLLBAR)\n"
    "27;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP - MCS_DAYSTATE "
    "MCS_MULTISELECT MCS_WEEKNUMBERS MCS_NOTODAYCIRCLE MCS_NOTODAY;WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) "
    "(WS_EX_LEFTSCROLLBAR)\n"
    "28;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP;WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) "
    "(WS_EX_LEFTSCROLLBAR)\n"
    "29;WS_CHILD* WS_VISIBLE* WS_DISABLED WS_BORDER WS_GROUP WS_TABSTOP;WS_EX_CLIENTEDGE "
    "WS_EX_STATICEDGE WS_EX_DLGMODALFRAME WS_EX_TRANSPARENT WS_EX_ACCEPTFILES - |(WS_EX_LEFT) "
    "(WS_EX_RIGHT) - |(WS_EX_LTRREADING) (WS_EX_RTLREADING) - |(WS_EX_RIGHTSCROLLBAR) "
    "(WS_EX_LEFTSCROLLBAR)\n";

struct tDecl {
    std::string sName; // without "%"
    uint8_t byType;
    int32_t lFlags;
};

// The declarations of one list, in order.
std::vector<tDecl> ParseList(std::string_view s) {
    std::vector<tDecl> at;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') {
            ++i;
        }
        if (i >= s.size()) {
            break;
        }
        size_t lEnd = s.find(' ', i);
        if (s[i] == '(' || (s[i] == '|' && i + 1 < s.size() && s[i + 1] == '(')) {
            lEnd = s.find(')', i); // an option's label may hold blanks
            lEnd = lEnd == std::string_view::npos ? s.size() : lEnd + 1;
            if (lEnd < s.size() && s[lEnd] == '*') {
                ++lEnd;
            }
        }
        if (lEnd == std::string_view::npos) {
            lEnd = s.size();
        }
        std::string_view sTok = s.substr(i, lEnd - i);
        i = lEnd;
        tDecl t{"", wkBoxCheck, 0};
        if (sTok == "-") {
            t.byType = wkBoxSeparator;
            at.push_back(t);
            continue;
        }
        if (sTok.front() == '|') {
            t.lFlags |= wkEntryGroup;
            sTok.remove_prefix(1);
        }
        if (sTok.back() == '*') {
            t.lFlags |= wkEntryLocked;
            sTok.remove_suffix(1);
        }
        if (sTok.front() == '(' && sTok.back() == ')') {
            t.byType = wkBoxOption;
            sTok = sTok.substr(1, sTok.size() - 2);
        }
        t.sName = std::string(sTok);
        at.push_back(t);
    }
    return at;
}

struct tPageDef {
    std::vector<tDecl> atStyle;
    std::vector<tDecl> atExStyle;
};

const std::vector<tPageDef>& PageDefs() {
    static const std::vector<tPageDef> at = [] {
        std::vector<tPageDef> atDefs(wkCtlKindCount);
        std::string_view s = kPageDefinitions;
        while (!s.empty()) {
            const size_t lEol = s.find('\n');
            std::string_view sLine = s.substr(0, lEol);
            s.remove_prefix(lEol == std::string_view::npos ? s.size() : lEol + 1);
            const size_t l1 = sLine.find(';');
            const size_t l2 = sLine.find(';', l1 + 1);
            const int lKind = std::stoi(std::string(sLine.substr(0, l1)));
            atDefs[lKind].atStyle = ParseList(sLine.substr(l1 + 1, l2 - l1 - 1));
            atDefs[lKind].atExStyle = ParseList(sLine.substr(l2 + 1));
        }
        return atDefs;
    }();
    return at;
}

// Description ids in the order names first appear: the dialog's page has its
// own (a style means something else on a top-level window), the controls'
// pages share one id per name.
constexpr int32_t kFirstDescId = 3001;
constexpr int32_t kFirstControlDescId = 3048;

int32_t DescriptionId(int32_t lKind, const std::string& sName) {
    static const std::array<std::map<std::string, int32_t>, 2> p = [] {
        std::array<std::map<std::string, int32_t>, 2> p;
        int32_t lNext = kFirstDescId;
        const auto& atDefs = PageDefs();
        for (const auto* pList : {&atDefs[0].atStyle, &atDefs[0].atExStyle}) {
            for (const tDecl& t : *pList) {
                if (!t.sName.empty() && !p[0].count(t.sName)) {
                    p[0][t.sName] = lNext++;
                }
            }
        }
        lNext = kFirstControlDescId;
        for (int32_t k = 1; k < wkCtlKindCount; ++k) {
            for (const auto* pList : {&atDefs[k].atStyle, &atDefs[k].atExStyle}) {
                for (const tDecl& t : *pList) {
                    if (!t.sName.empty() && !p[1].count(t.sName)) {
                        p[1][t.sName] = lNext++;
                    }
                }
            }
        }
        return p;
    }();
    const auto& m = p[lKind == wkCtlDialog ? 0 : 1];
    const auto it = m.find(sName);
    return it == m.end() ? 0 : it->second;
}

// The catalog section an entry's name lives in.
int32_t SectionOf(int32_t lKind, const std::string& sName) {
    if (sName.rfind("WS_EX_", 0) == 0) {
        return FindClass("ExStyles");
    }
    if (sName.rfind("WS_", 0) == 0) {
        return FindClass("WindowStyles");
    }
    const std::string sClass = CtlTypeClass(lKind);
    return sClass.empty() ? 0 : FindClass(sClass);
}

std::vector<tStyleEntry> BuildEntries(int32_t lKind, const std::vector<tDecl>& atDecl,
                                      std::string_view sList) {
    std::vector<tStyleEntry> at;
    at.reserve(atDecl.size());
    for (const tDecl& d : atDecl) {
        tStyleEntry t{0, 0, d.byType, d.lFlags, 0, ""};
        if (d.byType != wkBoxSeparator) {
            t.sName = "%" + d.sName;
            t.lStyle = FindStyleByName(SectionOf(lKind, d.sName), t.sName);
            t.byChecked = t.lStyle != 0 && StyleListHas(sList, t.lStyle) ? 1 : 0;
            t.lDescId = DescriptionId(lKind, d.sName);
        }
        at.push_back(std::move(t));
    }
    return at;
}

// The tokens of a list in order (only positive row numbers).
std::vector<int32_t> ListRows(std::string_view sList) {
    std::vector<int32_t> al;
    size_t i = 0;
    while (i < sList.size()) {
        size_t lComma = sList.find(',', i);
        if (lComma == std::string_view::npos) {
            lComma = sList.size();
        }
        int32_t l = 0;
        bool bDigits = lComma > i;
        for (size_t j = i; j < lComma && bDigits; ++j) {
            bDigits = sList[j] >= '0' && sList[j] <= '9' && l < 100000;
            l = l * 10 + (sList[j] - '0');
        }
        if (bDigits && l > 0 && l <= glStyleCnt) {
            al.push_back(l);
        }
        i = lComma + 1;
    }
    return al;
}

// One list's value and tokens: checked entries first, in list order, then the
// row's tokens the page does not show, then bits no token of the row explained.
void ListFromEntries(const std::vector<tStyleEntry>& at, std::string_view sOldList,
                     int32_t lOldValue, int32_t& lValue, std::string& sList) {
    uint32_t lBits = 0;
    uint32_t lPageBits = 0;
    sList.clear();
    for (const tStyleEntry& t : at) {
        if (t.lStyle == 0) {
            continue;
        }
        lPageBits |= gatStyle[t.lStyle].lValue;
        if (t.byChecked) {
            lBits |= gatStyle[t.lStyle].lValue;
            sList += FormatStyleToken(t.lStyle) + ",";
        }
    }
    uint32_t lListed = 0;
    for (int32_t lRow : ListRows(sOldList)) {
        lListed |= gatStyle[lRow].lValue;
        bool bOnPage = false;
        for (const tStyleEntry& t : at) {
            bOnPage = bOnPage || t.lStyle == lRow;
        }
        const std::string sTok = FormatStyleToken(lRow) + ",";
        if (!bOnPage && !StyleListHas(sList, lRow)) {
            sList += sTok;
            lBits |= gatStyle[lRow].lValue;
        }
    }
    lBits |= static_cast<uint32_t>(lOldValue) & ~lListed & ~lPageBits;
    lValue = static_cast<int32_t>(lBits);
}

std::vector<tStyleEntry>* ListOf(tStylePages& t, std::string_view sName, size_t& lIndex) {
    for (auto* p : {&t.atStyle, &t.atExStyle}) {
        for (size_t i = 0; i < p->size(); ++i) {
            if ((*p)[i].sName == sName) {
                lIndex = i;
                return p;
            }
        }
    }
    return nullptr;
}

} // namespace

tStylePages FillStylePages(int32_t lKind, std::string_view sStyleList, std::string_view sExList) {
    tStylePages t;
    if (lKind < 0 || lKind >= wkCtlKindCount) {
        return t;
    }
    const tPageDef& d = PageDefs()[lKind];
    t.lKind = lKind;
    t.atStyle = BuildEntries(lKind, d.atStyle, sStyleList);
    t.atExStyle = BuildEntries(lKind, d.atExStyle, sExList);
    return t;
}

tStylePages FillStylePages(const tDlg& tRow) {
    return FillStylePages(tRow.lCtlType, GetDynStr(tRow.lStyleStrElem),
                          GetDynStr(tRow.lExStyleStrElem));
}

int32_t ToggleStyleEntry(tStylePages& t, std::vector<tStyleEntry>& at, size_t lIndex) {
    if (lIndex >= at.size()) {
        return 0;
    }
    tStyleEntry& e = at[lIndex];
    if (e.byType == wkBoxSeparator || (e.lFlags & wkEntryLocked)) {
        return 0;
    }
    if (e.byType == wkBoxCheck) {
        e.byChecked = e.byChecked ? 0 : 1;
        t.lChanged = 1;
        return 1;
    }
    if (e.byChecked) {
        return 0; // an option is unchecked only by choosing another one
    }
    size_t lFirst = lIndex;
    while (lFirst > 0 && !(at[lFirst].lFlags & wkEntryGroup) &&
           at[lFirst - 1].byType == wkBoxOption) {
        --lFirst;
    }
    for (size_t i = lFirst; i < at.size() && at[i].byType == wkBoxOption; ++i) {
        if (i > lFirst && (at[i].lFlags & wkEntryGroup)) {
            break;
        }
        at[i].byChecked = 0;
    }
    e.byChecked = 1;
    t.lChanged = 1;
    return 1;
}

int32_t CheckStyleEntry(tStylePages& t, std::string_view sName) {
    size_t lIndex = 0;
    std::vector<tStyleEntry>* p = ListOf(t, sName, lIndex);
    if (!p) {
        return 0;
    }
    if (!(*p)[lIndex].byChecked) {
        ToggleStyleEntry(t, *p, lIndex);
    }
    return 1;
}

int32_t StyleEntryChecked(const tStylePages& t, std::string_view sName) {
    size_t lIndex = 0;
    std::vector<tStyleEntry>* p = ListOf(const_cast<tStylePages&>(t), sName, lIndex);
    return p && (*p)[lIndex].byChecked ? 1 : 0;
}

std::vector<std::string> CheckedStyleNames(const tStylePages& t) {
    std::vector<std::string> as;
    for (const auto* p : {&t.atStyle, &t.atExStyle}) {
        for (const tStyleEntry& e : *p) {
            if (e.byChecked) {
                as.push_back(e.sName);
            }
        }
    }
    return as;
}

tStyleValues StylesFromPages(const tStylePages& t, const tDlg& tRow) {
    tStyleValues v{tRow.lStyle, tRow.lExStyle, GetDynStr(tRow.lStyleStrElem),
                   GetDynStr(tRow.lExStyleStrElem)};
    if (!t.lChanged) {
        return v; // an untouched page keeps the lists in the order they were read
    }
    const std::string sOld = v.sStyleList;
    const std::string sOldEx = v.sExList;
    ListFromEntries(t.atStyle, sOld, tRow.lStyle, v.lStyle, v.sStyleList);
    ListFromEntries(t.atExStyle, sOldEx, tRow.lExStyle, v.lExStyle, v.sExList);
    return v;
}

std::string StyleDescription(int32_t lDescId) {
    for (int32_t k = 0; k < wkCtlKindCount; ++k) {
        for (const auto* pList : {&PageDefs()[k].atStyle, &PageDefs()[k].atExStyle}) {
            for (const tDecl& d : *pList) {
                if (!d.sName.empty() && DescriptionId(k, d.sName) == lDescId) {
                    return StyleText(k == wkCtlDialog, d.sName);
                }
            }
        }
    }
    return "";
}

std::vector<std::string> PageStyleNames(int32_t lKind) {
    std::vector<std::string> as;
    if (lKind < 0 || lKind >= wkCtlKindCount) {
        return as;
    }
    for (const auto* pList : {&PageDefs()[lKind].atStyle, &PageDefs()[lKind].atExStyle}) {
        for (const tDecl& d : *pList) {
            if (!d.sName.empty()) {
                as.push_back("%" + d.sName);
            }
        }
    }
    return as;
}
