#include "readers/kvl_reader.h"

#include "edit/data_files.h"
#include "edit/design_edits.h"
#include "edit/id_links.h"
#include "edit/id_tokens.h"
#include "edit/resource_edits.h"
#include "model/accel_keys.h"
#include "model/file_errors.h"
#include "model/fonts.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "readers/file_text.h"
#include "readers/metastatements.h"
#include "readers/rc_kinds.h"
#include "readers/rc_reader.h"
#include "readers/source_text.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kSbsVert = 0x1;
constexpr uint32_t kWsVisible = 0x10000000;

// The arguments of one statement (at most kMaxArgs). Most are views of the
// text itself; one that a continuation or a zero byte splits is joined in its
// own buffer of asJoined. The reader keeps one of these for the whole text, so
// the buffers are reused from statement to statement.
constexpr std::size_t kMaxArgs = 16;
struct tArgs {
    std::vector<std::string_view> as;
    std::array<std::string, kMaxArgs> asJoined;

    std::size_t size() const { return as.size(); }
    std::string_view& operator[](std::size_t l) { return as[l]; }
    const std::string_view& operator[](std::size_t l) const { return as[l]; }
};

// The reader's state for one text.
struct tKvl {
    tSourceText t;
    tReadFrame f;
    bool bInFunction = false;
    std::map<int32_t, int32_t> alFontVar;     // N of "hFont" N -> gahFont element
    std::set<int32_t> alFontSent;             // control rows of the dialog that were sent a font
    int32_t lBarMenu = 0;                     // the menu whose bar the current block made
    std::map<std::string, int32_t> alMenuVar; // menu handle (upper case) -> level of its items - 1
    std::string sPath;
    bool bCompanionRead = false; // a second #Resource line must not read the script twice
    tArgs aArgs;                 // the arguments of the statement being read
    std::string sWord;           // the word being read, in upper case

    // Blocks are read: the work file is open and no clipboard import runs.
    bool Blocks() const { return f.lBlocks != 0 && f.lClipboard == 0; }
    // Statements of a resource are read only inside its kind of block when the
    // file has blocks; imported text has none and is read everywhere.
    bool InBlockOf(int32_t lKind) const { return !Blocks() || f.lBlockKind == lKind; }
};

// One quoted text, no expression: "a ""b"" c".
bool IsQuotedText(std::string_view s) {
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') {
        return false;
    }
    for (std::size_t l = 1; l + 1 < s.size(); ++l) {
        if (s[l] == '"' && s[++l] != '"') {
            return false;
        }
    }
    return true;
}

std::string_view CutName(std::string_view s) {
    return s.substr(0, IDNameText::Capacity());
}

bool StartsWith(std::string_view s, std::string_view sHead) {
    return s.size() >= sHead.size() && s.substr(0, sHead.size()) == sHead;
}

int32_t Clamp32(int64_t l) {
    return static_cast<int32_t>(std::clamp<int64_t>(l, INT32_MIN, INT32_MAX));
}

// Words of an expression, split at blanks and TABs.
std::vector<std::string> Words(std::string_view s) {
    std::vector<std::string> as;
    std::size_t l = 0;
    while (l < s.size()) {
        while (l < s.size() && (s[l] == ' ' || s[l] == '\t')) {
            ++l;
        }
        std::size_t lEnd = l;
        while (lEnd < s.size() && s[lEnd] != ' ' && s[lEnd] != '\t') {
            ++lEnd;
        }
        if (lEnd > l) {
            as.emplace_back(s.substr(l, lEnd - l));
        }
        l = lEnd;
    }
    return as;
}

// The expression names the word (upper case, whole word).
bool HasWordUpper(std::string_view sExpr, std::string_view sWord) {
    for (const std::string& s : Words(sExpr)) {
        if (UpperText(s) == sWord) {
            return true;
        }
    }
    return false;
}

// The next word of the statement, never from the next line.
std::string StmtWord(tSourceText& t) {
    return AtLineEnd(t) ? std::string() : NextToken(t);
}

// The same in upper case, in the reader's word buffer (valid until the next
// word is read).
const std::string& StmtWordUpper(tKvl& k) {
    if (AtLineEnd(k.t)) {
        k.sWord.clear();
        return k.sWord;
    }
    NextToken(k.t, k.sWord);
    for (char& c : k.sWord) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return k.sWord;
}

// The arguments up to the end of the statement. A comma that ends the line
// leaves an empty last argument: "..., 4, " holds an empty style part, which is
// not the same as no style part at all.
tArgs& StmtArgs(tSourceText& t, tArgs& a, std::size_t lMax = kMaxArgs) {
    a.as.clear();
    lMax = std::min(lMax, kMaxArgs);
    bool bAfterComma = false;
    while (a.as.size() < lMax) {
        if (AtLineEnd(t)) {
            if (bAfterComma) {
                a.as.emplace_back();
            }
            break;
        }
        a.as.push_back(ReadArgView(t, a.asJoined[a.as.size()]));
        bAfterComma = t.lPos > 0 && t.sText[t.lPos - 1] == ',';
    }
    return a;
}

tArgs& StmtArgs(tKvl& k, std::size_t lMax = kMaxArgs) {
    return StmtArgs(k.t, k.aArgs, lMax);
}

std::string_view Arg(const tArgs& as, std::size_t l) {
    return l < as.size() ? as[l] : std::string_view();
}

// Begins with sUpper (upper case), the case of ASCII letters ignored.
bool StartsWithUpper(std::string_view s, std::string_view sUpper) {
    return s.size() >= sUpper.size() && SameUpper(s.substr(0, sUpper.size()), sUpper);
}

// First on its line: only blanks and TABs stand between the line start and it.
bool FirstOnLine(const tSourceText& t, std::size_t lPos) {
    while (lPos > 0 && (t.sText[lPos - 1] == ' ' || t.sText[lPos - 1] == '\t')) {
        --lPos;
    }
    return lPos == 0 || t.sText[lPos - 1] == '\n' || t.sText[lPos - 1] == '\r';
}

bool IsDataKind(int32_t lKind) {
    return lKind == wkResBitmap || lKind == wkResCursor || lKind == wkResIcon || lKind == wkResAvi;
}

// The data resource of an ID name: the first live data resource with that name;
// created without a file when there is none and a kind is given (its ID is
// found by name, 0 when never defined).
int32_t DataResourceFor(const std::string& sName, int32_t lKind) {
    const std::string_view sCut = CutName(sName);
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l) && IsDataKind(gatRes[l].lType) &&
            SameIDName(gatRes[l].szIDName.view(), sCut)) {
            return l;
        }
    }
    if (lKind == 0) {
        return 0;
    }
    return AddResource(sCut, lKind, FindIDByName(sCut), 0);
}

bool IsImageKind(int32_t lKind) {
    return lKind == wkCtlImage || lKind == wkCtlImageX || lKind == wkCtlImgButton ||
           lKind == wkCtlImgButtonX || lKind == wkCtlAnimate;
}

// A colour argument; -1 (the system colour) leaves the colour unused, so that
// a row read back equals the row that was written.
void SetColour(std::string_view sText, uint8_t& byUsed, int32_t& lColour) {
    int32_t l = ColourFromText(sText);
    byUsed = l != -1 ? 1 : 0;
    lColour = l != -1 ? l : 0;
}

// The live row of the current dialog with that ID.
int32_t RowOfID(std::string_view sIDName) {
    const int32_t lID = FindIDByName(CutName(sIDName));
    const int32_t lRes = gatDlg[gtElem.lDlg].lResElem;
    for (int32_t l = FindDlgRowByID(lID); l != 0; l = FindNextDlgRowByID(lID, l)) {
        if (gatDlg[l].lResElem == lRes) {
            return l;
        }
    }
    return 0;
}

int32_t NextFontRowOfID(tKvl& k, std::string_view sIDName) {
    const int32_t lID = FindIDByName(CutName(sIDName));
    const int32_t lRes = gatDlg[gtElem.lDlg].lResElem;
    int32_t lFirst = 0;
    for (int32_t l = FindDlgRowByID(lID); l != 0; l = FindNextDlgRowByID(lID, l)) {
        if (gatDlg[l].lResElem == lRes) {
            lFirst = lFirst ? lFirst : l;
            if (k.alFontSent.insert(l).second) {
                return l;
            }
        }
    }
    return lFirst; // more lines than controls: the first takes the last word
}

int32_t FontOfVar(const tKvl& k, std::string_view sVar) {
    const std::string s = UpperText(TrimText(sVar));
    if (!StartsWith(s, "HFONT")) {
        return 0;
    }
    auto it = k.alFontVar.find(ValueFromText(std::string_view(s).substr(5)));
    return it == k.alFontVar.end() ? 0 : it->second;
}

// ---- Statements ---------------------------------------------------------------------

// "%NAME = value": digits, a leading "-", "&H" and hexadecimal digits, and a
// type suffix.
void ReadEquate(tKvl& k) {
    tSourceText& t = k.t;
    std::size_t l = t.lTokStart + 1;
    while (IsIdentByte(t.At(l)) && l < t.sText.size()) {
        ++l;
    }
    const std::string_view sName = t.sText.substr(t.lTokStart, l - t.lTokStart);
    while (t.At(l) == ' ' || t.At(l) == '\t') {
        ++l;
    }
    if (t.At(l) != '=' || !IsIDNameText(sName)) {
        return;
    }
    ++l;
    while (t.At(l) == ' ' || t.At(l) == '\t') {
        ++l;
    }
    const std::size_t lValue = l;
    if (t.At(l) == '-') {
        ++l;
    }
    if (t.At(l) == '&' && (t.At(l + 1) == 'H' || t.At(l + 1) == 'h')) {
        l += 2;
        while (std::isxdigit(static_cast<unsigned char>(t.At(l)))) {
            ++l;
        }
    } else {
        while (t.At(l) >= '0' && t.At(l) <= '9') {
            ++l;
        }
    }
    while (t.At(l) == '%' || t.At(l) == '&' || t.At(l) == '?') {
        ++l;
    }
    l = std::min(l, t.sText.size());
    DefineID(sName, std::string(t.sText.substr(lValue, l - lValue)));
    t.lPos = std::max(t.lPos, l);
}

// "#Resource "name.kvr"": the companion script beside the file joins the project.
void ReadResourceLine(tKvl& k) {
    const std::string sName = CaptionFromArg(ReadArg(k.t), false);
    if (sName.empty() || k.sPath.empty() || k.f.lClipboard || k.bCompanionRead) {
        return; // clipboard text has no folder to look in
    }
    const std::string sScript = CompanionScriptPath(k.sPath, sName);
    std::error_code ec;
    if (std::filesystem::symlink_status(std::filesystem::path(sScript), ec).type() ==
        std::filesystem::file_type::not_found) {
        return; // no script yet: nothing of it can be lost
    }
    k.bCompanionRead = true;
    std::string sText;
    if (const int32_t lErr = FileTextError(sScript, sText)) {
        // The project goes on without the script's strings and version
        // information; saving must neither drop its #Resource line nor put a
        // script of fewer resources in its place.
        gtDoc.sUnreadCompanion = sScript;
        ReportError(OpenErrorMessage(lErr, sScript) + "\r\n\r\n" + gszUnreadCompanionNote);
        return;
    }
    LoadRC(std::move(sText), 0, 0, sScript);
}

void ReadDialogNew(tKvl& k) {
    const tArgs& as = StmtArgs(k);
    // The target variable ends the arguments: ", To hDlg".
    std::size_t n = as.size();
    for (std::size_t l = 6; l < as.size(); ++l) {
        const std::string_view s = as[l];
        if (SameUpper(s, "TO") || StartsWithUpper(s, "TO ") || StartsWithUpper(s, "TO\t")) {
            n = l;
            break;
        }
    }
    int32_t lRes = 0;
    if (k.Blocks()) {
        // The resource of the Begin Dialog block, unless it is missing or
        // already has its dialog row (a damaged block): then a new one.
        lRes = gtElem.lResDlg;
        if (!gatRes.Live(lRes) || gatRes[lRes].lType != wkResDialog || FindDialogRow(lRes) != 0) {
            lRes = 0;
        }
    }
    tDlg tRow{};
    tRow.lResElem = lRes; // 0: a new resource of the default name
    tRow.lCtlType = wkCtlDialog;
    tRow.lClassElem = FindClass("DialogStyles");
    SetDynStr(tRow.lCaptionElem, CaptionFromArg(Arg(as, 1), false));
    const std::string_view sX = Arg(as, 2);
    const int32_t lX = sX.empty() ? 0 : NumberArg(sX);
    const bool bCentred = sX.empty() || lX == -1;
    const int32_t lY = NumberArg(Arg(as, 3));
    tRow.nLeft = lX;
    tRow.nTop = lY;
    tRow.nRight = Clamp32(int64_t{lX} + NumberArg(Arg(as, 4)));
    tRow.nBottom = Clamp32(int64_t{lY} + NumberArg(Arg(as, 5)));
    if (n > 6) {
        ReadStyleExpression(tRow, as[6], false, tRow.lClassElem);
        if (n > 7) {
            ReadStyleExpression(tRow, as[7], true, 0);
        }
    } else {
        SetKindStyles(tRow, wkCtlDialog);
    }
    const int32_t lRow = NewDialog(tRow);
    if (bCentred) {
        EnsureCentered(lRow);
    }
}

void ReadDialog(tKvl& k) {
    const std::string sWord = StmtWordUpper(k);
    if (sWord == "NEW") {
        ReadDialogNew(k);
        return;
    }
    const int32_t lDlg = gtElem.lDlg;
    if (!gatDlg.Live(lDlg) || gatDlg[lDlg].lCtlType != wkCtlDialog) {
        return;
    }
    if (sWord == "SET") {
        const std::string sWhat = StmtWordUpper(k);
        const tArgs& as = StmtArgs(k);
        if (sWhat == "COLOR") {
            tDlg& tRow = gatDlg.W(lDlg);
            SetColour(Arg(as, 1), tRow.byForeClrUsed, tRow.lForeClr);
            SetColour(Arg(as, 2), tRow.byBackClrUsed, tRow.lBackClr);
            NoteChange(wkChgDlg, lDlg, 1);
        } else if (sWhat == "ICON") {
            const std::string sName = ImageRefIDName(Arg(as, 1));
            if (!sName.empty()) {
                int32_t lData = DataResourceFor(sName, wkResIcon);
                gatDlg.W(lDlg).lDataResElem = lData;
            }
        }
    } else if (sWord == "SEND") {
        const tArgs& as = StmtArgs(k);
        if (SameUpper(Arg(as, 1), "%WM_SETFONT")) {
            const int32_t lFont = FontOfVar(k, Arg(as, 2));
            gatDlg.W(lDlg).lFontElem = lFont;
            // A control without an ID cannot be sent a font of its own: it has
            // its dialog's.
            for (int32_t l = lDlg + 1; l <= glDlgCnt && lFont != 0; ++l) {
                if (gatDlg.Live(l) && gatDlg[l].lResElem == gatDlg[lDlg].lResElem &&
                    gatDlg[l].lIDElem == 0) {
                    gatDlg.W(l).lFontElem = lFont;
                }
            }
            k.alFontSent.clear();
        }
    }
}

void ReadControlAdd(tKvl& k, int32_t lDlg) {
    const tArgs& as = StmtArgs(k);
    // A trailing ", Call Proc" names a callback; it is no style.
    std::size_t n = as.size();
    for (std::size_t l = 8; l < as.size(); ++l) {
        if (StartsWithUpper(as[l], "CALL ")) {
            n = l;
            break;
        }
    }
    const std::string_view sWord = Arg(as, 0);
    const bool bQuoted = !sWord.empty() && sWord[0] == '"';
    const std::string sClass = bQuoted ? CaptionFromArg(sWord, false) : std::string(sWord);
    if (sClass.empty() && !bQuoted) {
        return;
    }
    // An empty quoted class (written for form controls of unknown types) is
    // still a control: a custom one, kept so that the next save writes it.
    int32_t lKind = sClass.empty() ? wkCtlCustom : CtlTypeFromKeyword(sClass);
    if (lKind == wkCtlCustom && !bQuoted) {
        return; // an unknown kind word makes a custom control only when quoted
    }
    tDlg tRow{};
    const std::string sOwnClass = lKind <= wkCtlLine ? CtlTypeClass(lKind) : sClass;
    tRow.szClass = sOwnClass;
    tRow.lClassElem = FindClass(bQuoted ? sClass : sOwnClass);
    tRow.lCtlType = lKind;
    if (n > 8) {
        ReadStyleExpression(tRow, as[8], false, tRow.lClassElem);
        if (n > 9) {
            ReadStyleExpression(tRow, as[9], true, 0);
        }
    } else {
        SetKindStyles(tRow, lKind);
    }
    if (bQuoted) {
        // A class written out ("Static", "Button", "Edit") becomes its kind.
        tRow.szClass = sClass;
        KindFromClassAndStyle(tRow);
        tRow.szClass = sOwnClass;
        if (tRow.lCtlType != lKind && tRow.lCtlType <= wkCtlLine) {
            tRow.szClass = CtlTypeClass(tRow.lCtlType);
        }
        lKind = tRow.lCtlType;
    }
    if (lKind == wkCtlHScrollBar && (tRow.lStyle & kSbsVert)) {
        tRow.lCtlType = lKind = wkCtlVScrollBar;
    }
    tRow.lIDElem = IDFromToken(Arg(as, 2), lKind);
    if (IsImageKind(lKind)) {
        const std::string sName = ImageRefIDName(Arg(as, 3));
        if (!sName.empty()) {
            tRow.lDataResElem = DataResourceFor(sName, DataKindOf(tRow));
        } else if ((lKind == wkCtlImage || lKind == wkCtlImageX) && IsQuotedText(Arg(as, 3))) {
            SetDynStr(tRow.lCaptionElem, CaptionFromArg(Arg(as, 3), false));
        }
    } else {
        SetDynStr(tRow.lCaptionElem, CaptionFromArg(Arg(as, 3), false));
    }
    const int32_t lX = NumberArg(Arg(as, 4));
    const int32_t lY = NumberArg(Arg(as, 5));
    tRow.nLeft = lX;
    tRow.nTop = lY;
    tRow.nRight = Clamp32(int64_t{lX} + NumberArg(Arg(as, 6)));
    tRow.nBottom = Clamp32(int64_t{lY} + NumberArg(Arg(as, 7)));
    const int32_t lRow = NewControl(lDlg, tRow, tNewCtlOpts{});
    // The writer names %WS_CHILD and %WS_VISIBLE for every visible control:
    // its full list without %WS_VISIBLE is that of a hidden one (NOT WS_VISIBLE
    // in a script). A shorter hand-written list takes the implied styles.
    if (n > 8 && HasWordUpper(as[8], "%WS_CHILD") && !HasWordUpper(as[8], "%WS_VISIBLE")) {
        RemoveStyle(lRow, kWsVisible, FindClass("WindowStyles"));
    }
    gtElem.lCtl = lRow;
}

void ReadControl(tKvl& k) {
    const int32_t lDlg = gtElem.lDlg;
    if (!gatDlg.Live(lDlg) || gatDlg[lDlg].lCtlType != wkCtlDialog) {
        return; // no dialog is current
    }
    const std::string sWord = StmtWordUpper(k);
    if (sWord == "ADD") {
        ReadControlAdd(k, lDlg);
    } else if (sWord == "SET") {
        if (StmtWordUpper(k) != "COLOR") {
            return;
        }
        const tArgs& as = StmtArgs(k);
        const int32_t lRow = RowOfID(Arg(as, 1));
        if (lRow) {
            gtElem.lCtl = lRow;
            tDlg& tRow = gatDlg.W(lRow);
            SetColour(Arg(as, 2), tRow.byForeClrUsed, tRow.lForeClr);
            SetColour(Arg(as, 3), tRow.byBackClrUsed, tRow.lBackClr);
            NoteChange(wkChgDlg, lRow, 1);
        }
    } else if (sWord == "SEND") {
        const tArgs& as = StmtArgs(k);
        // Controls that share an ID get their fonts in row order: the n-th
        // line for an ID is the n-th control with it.
        const int32_t lRow = NextFontRowOfID(k, Arg(as, 1));
        if (lRow && SameUpper(Arg(as, 2), "%WM_SETFONT")) {
            gatDlg.W(lRow).lFontElem = FontOfVar(k, Arg(as, 3));
        }
    }
}

int32_t MenuOptions(std::string_view sText) {
    int32_t l = 0;
    for (const std::string& sWord : Words(sText)) {
        const std::string s = UpperText(sWord);
        if (s == "%MF_CHECKED") {
            l |= wkMfChecked;
        } else if (s == "%MF_GRAYED") {
            l |= wkMfGrayed;
        } else if (s == "%MF_DISABLED") {
            l |= wkMfDisabled;
        } else if (s == "%MF_MENUBREAK") {
            l |= wkMfMenuBreak;
        } else if (s == "%MF_MENUBARBREAK") {
            l |= wkMfMenuBarBreak;
        }
    }
    return l;
}

// The menu the statements add to; a new one when none is current.
int32_t CurrentMenu() {
    const int32_t lRes = gtElem.lResMenu;
    if (gatRes.Live(lRes) &&
        (gatRes[lRes].lType == wkResMenu || gatRes[lRes].lType == wkResPopupMenu)) {
        return lRes;
    }
    return NewResource(wkResMenu);
}

// The deepest level an item is kept at: the writers indent every line of an
// item by its level, so a text nesting its pop-ups thousands deep would come
// back as a file of blanks growing with the square of its items.
constexpr int32_t kMaxItemLevel = 32;

int32_t ItemLevel(const tKvl& k, std::string_view sParent) {
    auto it = k.alMenuVar.find(UpperText(TrimText(sParent)));
    const int32_t lParent = it == k.alMenuVar.end() ? -1 : it->second;
    return std::min(lParent + 1, kMaxItemLevel);
}

void ReadMenu(tKvl& k) {
    const std::string sWord = UpperText(StmtWord(k.t));
    if (sWord == "NEW") {
        const std::string sWhat = UpperText(StmtWord(k.t));
        if (UpperText(StmtWord(k.t)) != "TO") {
            return;
        }
        const std::string sVar = UpperText(StmtWord(k.t));
        if (sWhat == "BAR") {
            // Without blocks every bar starts a new menu, so that two menus of an
            // imported text do not run together into one.
            k.lBarMenu = k.Blocks() ? CurrentMenu() : NewResource(wkResMenu);
            k.alMenuVar[sVar] = -1;
        } else if (sWhat == "POPUP") {
            const int32_t lMenu = CurrentMenu();
            // A menu block that starts with a pop-up instead of a bar holds a
            // pop-up (context) menu: that pop-up is the menu itself.
            if (k.Blocks() && k.f.lBlockKind == wkBlockMenu && CountMenuItems(lMenu) == 0 &&
                k.lBarMenu != lMenu) {
                gatRes.W(lMenu).lType = wkResPopupMenu;
                k.alMenuVar[sVar] = -1;
            }
        }
        return;
    }
    if (sWord != "ADD") {
        return; // Menu Attach and the rest: links come from the block arguments
    }
    const std::string sWhat = UpperText(StmtWord(k.t));
    const tArgs& as = StmtArgs(k);
    const int32_t lLevel = ItemLevel(k, Arg(as, 0));
    if (sWhat == "POPUP") {
        const int32_t lMenu = CurrentMenu();
        AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, lLevel, MenuOptions(Arg(as, 3)),
                    CaptionFromArg(Arg(as, 1), true));
        k.alMenuVar[UpperText(Arg(as, 2))] = lLevel;
    } else if (sWhat == "STRING") {
        const int32_t lMenu = CurrentMenu();
        const std::string sCaption = CaptionFromArg(Arg(as, 1), true);
        if (sCaption == "-" && Arg(as, 2) == "0") {
            AddMenuItem(0, lMenu, 0, 0, wkMenuSeparator, lLevel, 0, std::string());
        } else {
            AddMenuItem(IDFromToken(Arg(as, 2), -1), lMenu, 0, 0, wkMenuItem, lLevel,
                        MenuOptions(Arg(as, 3)), sCaption);
        }
    }
}

// "AssignAccel tAccel(k), key, ID, flags".
void ReadAssignAccel(tKvl& k) {
    const tArgs& as = StmtArgs(k);
    const std::string_view sKey = Arg(as, 1);
    const std::string sUpper = UpperText(sKey);
    int32_t lKey = 0;
    if (StartsWith(sUpper, "ASC(") || StartsWith(sUpper, "ASC ")) {
        std::size_t lOpen = sKey.find('(');
        std::size_t lClose = sKey.rfind(')');
        std::string sInner(TrimText(sKey.substr(
            lOpen + 1, lClose == std::string_view::npos || lClose < lOpen ? std::string_view::npos
                                                                          : lClose - lOpen - 1)));
        if (!sInner.empty() && sInner[0] == '"') {
            std::string sChar = CaptionFromArg(sInner, false);
            lKey = sChar.empty() ? 0 : static_cast<unsigned char>(sChar[0]);
        }
    } else if (StartsWith(sUpper, "%")) {
        lKey = AccelKeyFromCode(sUpper.substr(1));
    } else {
        lKey = ValueFromText(sKey);
    }
    if (lKey <= 0 || lKey > 255) {
        return; // no key a table can hold
    }
    uint8_t byModifiers = 0;
    for (const std::string& sFlag : Words(Arg(as, 3))) {
        byModifiers = AccelFlagFromKvl(sFlag, byModifiers);
    }
    int32_t lTable = gtElem.lResAccel;
    if (!gatRes.Live(lTable) || gatRes[lTable].lType != wkResAccel) {
        if (k.Blocks()) {
            return; // without a current accelerator table the key is not stored
        }
        // Imported text has no Begin Accel line to make the table.
        lTable = NewResource(wkResAccel);
    }
    const std::string_view sID = Arg(as, 2);
    int32_t lID = FindIDByName(CutName(sID));
    if (lID == 0) {
        lID = IDFromToken(sID, -1);
    }
    const int32_t lAccel = AddAccel(lID, lTable, static_cast<uint8_t>(lKey), byModifiers);
    if (int32_t lItem = FindMenuItemByID(lID)) {
        gatMenu.W(lItem).lAccelElem = lAccel;
    }
}

// "hFontN = WrenkitMakeFont(face, size, weight, underline, italic,
// strike-out, character set)".
void ReadFont(tKvl& k, const std::string& sToken) {
    tSourceText& t = k.t;
    const int32_t lVar = ValueFromText(std::string_view(sToken).substr(5));
    while (t.At(t.lPos) == ' ' || t.At(t.lPos) == '\t') {
        ++t.lPos;
    }
    if (t.At(t.lPos) != '=' || t.AtEnd()) {
        return;
    }
    ++t.lPos;
    while (t.At(t.lPos) == ' ' || t.At(t.lPos) == '\t') {
        ++t.lPos;
    }
    std::size_t l = t.lPos;
    while (IsIdentByte(t.At(l)) && l < t.sText.size()) {
        ++l;
    }
    const std::string sCall = UpperText(t.sText.substr(t.lPos, l - t.lPos));
    t.lPos = l;
    while (t.At(t.lPos) == ' ' || t.At(t.lPos) == '\t') {
        ++t.lPos;
    }
    if (sCall != "WRENKITMAKEFONT" || t.At(t.lPos) != '(' || t.AtEnd()) {
        return;
    }
    ++t.lPos;
    tArgs& as = StmtArgs(k, 7);
    if (as.size() < 7) {
        return;
    }
    std::string_view& sLast = as[6];
    if (!sLast.empty() && sLast.back() == ')') {
        sLast = TrimText(sLast.substr(0, sLast.size() - 1));
    }
    tFontDesc tDesc{};
    tDesc.szFontName = CaptionFromArg(as[0], false);
    float fSize = std::strtof(std::string(as[1]).c_str(), nullptr);
    tDesc.fFontSize = std::isfinite(fSize) && fSize >= 0 && fSize <= 4096 ? fSize : 0;
    tDesc.lWeight = WeightFromText(as[2]);
    tDesc.lUnderline = FlagFromText(as[3]);
    tDesc.lItalic = FlagFromText(as[4]);
    tDesc.lStrikeout = FlagFromText(as[5]);
    tDesc.lCharSet = CharSetFromText(as[6]);
    k.alFontVar[lVar] = AddFont(tDesc);
}

void ReadStatements(tKvl& k) {
    tSourceText& t = k.t;
    // The first word of each statement, in upper case, in one buffer for the
    // whole text.
    std::string s;
    while (!t.AtEnd()) {
        NextToken(t, s);
        if (s.empty()) {
            continue;
        }
        for (char& c : s) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        switch (s[0]) {
        case '#':
            if (s == "#WRENKIT") {
                FrameMarkerLine(t, k.f); // moves past the line itself
                continue;
            }
            if (s == "#RESOURCE") {
                ReadResourceLine(k);
            }
            break;
        case '%':
            if (FirstOnLine(t, t.lTokStart) && !k.bInFunction) {
                ReadEquate(k);
            }
            break;
        case 'M':
            if (s == "MENU" && k.InBlockOf(wkBlockMenu)) {
                ReadMenu(k);
            }
            break;
        case 'A':
            if (s == "ASSIGNACCEL" && k.InBlockOf(wkBlockAccel)) {
                ReadAssignAccel(k);
            }
            break;
        case 'D':
            if (s == "DIALOG" && k.InBlockOf(wkBlockDialog)) {
                ReadDialog(k);
            }
            break;
        case 'C':
            if (s == "CONTROL") {
                if (k.InBlockOf(wkBlockDialog)) {
                    ReadControl(k);
                }
            } else if (s == "CALLBACK") {
                k.bInFunction = true;
                continue; // "Function" follows on the same line
            }
            break;
        case 'H':
            if (StartsWith(s, "HFONT") && k.Blocks() && k.f.lBlockKind == wkBlockDialog) {
                ReadFont(k, s);
            }
            break;
        case 'F':
            if (s == "FUNCTION") {
                k.bInFunction = true;
            }
            break;
        case 'S':
            if (s == "SUB") {
                k.bInFunction = true;
            }
            break;
        default:
            break;
        }
        SkipLine(t);
    }
}

} // namespace

// ---- Public operations ----------------------------------------------------------------

int32_t NumberArg(std::string_view sArg) {
    sArg = TrimText(sArg);
    const int32_t l = ValueFromText(sArg);
    if (l == 0 && (sArg.empty() || sArg[0] != '0')) {
        return 10;
    }
    return l;
}

void ReadStyleExpression(tDlg& tRow, std::string_view sExpr, bool bEx, int32_t lClass) {
    int32_t& lValue = bEx ? tRow.lExStyle : tRow.lStyle;
    int32_t& lElem = bEx ? tRow.lExStyleStrElem : tRow.lStyleStrElem;
    std::string sList = GetDynStr(lElem);
    const int32_t lFirstSection = FindClass(bEx ? "ExStyles" : "WindowStyles");
    uint32_t lBits = static_cast<uint32_t>(lValue);
    // Each word in upper case, in one buffer for the whole expression: a
    // control's styles are read word by word for every control of the file.
    std::string s;
    std::size_t lAt = 0;
    while (lAt < sExpr.size()) {
        while (lAt < sExpr.size() && (sExpr[lAt] == ' ' || sExpr[lAt] == '\t')) {
            ++lAt;
        }
        std::size_t lEnd = lAt;
        while (lEnd < sExpr.size() && sExpr[lEnd] != ' ' && sExpr[lEnd] != '\t') {
            ++lEnd;
        }
        if (lEnd == lAt) {
            break;
        }
        s.assign(sExpr.substr(lAt, lEnd - lAt));
        lAt = lEnd;
        for (char& c : s) {
            if (c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
        if (s == "OR") {
            continue;
        }
        if (s[0] == '%') {
            int32_t lStyle = FindStyleByName(lFirstSection, s);
            if (lStyle == 0 && !bEx) {
                lStyle = FindStyleByName(lClass, s);
            }
            if (lStyle != 0) {
                lBits |= gatStyle[lStyle].lValue;
                if (!StyleListHas(sList, lStyle)) {
                    sList += FormatStyleToken(lStyle);
                    sList += ',';
                }
            }
        } else if ((s[0] >= '0' && s[0] <= '9') || s[0] == '&' || s[0] == '-') {
            lBits |= static_cast<uint32_t>(ValueFromText(s));
        }
    }
    lValue = static_cast<int32_t>(lBits);
    SetDynStr(lElem, sList);
}

std::string CaptionFromArg(std::string_view sArg, bool bMenu) {
    sArg = TrimText(sArg);
    if (sArg.empty() || sArg[0] != '"') {
        return std::string(sArg);
    }
    std::string sOut;
    std::size_t l = 0;
    const std::size_t n = sArg.size();
    while (l < n) {
        while (l < n && (sArg[l] == ' ' || sArg[l] == '\t' || sArg[l] == '+')) {
            ++l;
        }
        if (l >= n) {
            break;
        }
        if (sArg[l] == '"') {
            ++l;
            while (l < n) {
                if (sArg[l] == '"') {
                    if (l + 1 < n && sArg[l + 1] == '"') {
                        sOut.push_back('"');
                        l += 2;
                        continue;
                    }
                    ++l;
                    break;
                }
                sOut.push_back(sArg[l++]);
            }
            continue;
        }
        // Another piece: $Tab is kept, anything else (a function, a variable)
        // cannot be read and adds nothing.
        std::size_t lEnd = l;
        while (lEnd < n && sArg[lEnd] != ' ' && sArg[lEnd] != '\t' && sArg[lEnd] != '+' &&
               sArg[lEnd] != '"') {
            ++lEnd;
        }
        if (lEnd == l) {
            ++lEnd;
        }
        if (UpperText(sArg.substr(l, lEnd - l)) == "$TAB") {
            sOut += bMenu ? "\\t" : "\t";
        }
        l = lEnd;
    }
    return sOut;
}

std::string ImageRefIDName(std::string_view sArg) {
    const std::string s = UpperText(sArg);
    std::size_t l = s.find("FORMAT$(");
    if (l == std::string::npos) {
        return std::string();
    }
    l += 8;
    std::size_t lEnd = s.find(')', l);
    std::string sName(
        TrimText(sArg.substr(l, lEnd == std::string::npos ? std::string::npos : lEnd - l)));
    // Only a name can name a resource; an expression names none.
    return IsIDNameText(sName) ? sName : std::string();
}

const char* const gszUnreadCompanionNote =
    "The strings, images and version information of this resource script are not "
    "in the project. Its #Resource line is kept, and the script is left as it is "
    "when you save.";

std::string CompanionScriptPath(const std::string& sSourcePath, const std::string& sResource) {
    std::size_t lSlash = sResource.find_last_of("\\/:");
    std::string sFile = lSlash == std::string::npos ? sResource : sResource.substr(lSlash + 1);
    std::size_t lDot = sFile.rfind('.');
    sFile = (lDot == std::string::npos ? sFile : sFile.substr(0, lDot)) + ".rc";
    std::size_t lFolder = sSourcePath.find_last_of("\\/:");
    return lFolder == std::string::npos ? sFile : sSourcePath.substr(0, lFolder + 1) + sFile;
}

int32_t LoadKVL(std::string_view sText, int32_t lClear, int32_t lClipboard,
                const std::string& sPath) {
    const tLoadScope tLoad;
    if (static_cast<int64_t>(sText.size()) > glMaxSourceBytes) {
        // Block rows keep 32-bit positions: such a text is refused whole rather
        // than read in part.
        ReportError(OpenErrorMessage(7, sPath.empty() ? std::string("Clipboard") : sPath));
        return 0;
    }
    if (lClear) {
        ClearProject();
    }
    // A companion script read along with an imported file is kept as a copy too.
    gpfnRCImportCopyWanted = [] { return gtDoc.tPreImport.lOpen != 0; };
    ShowStatusText("Loading KVL File");
    tKvl k;
    k.t.sText = sText;
    k.sPath = sPath;
    if (!StartKvlFrame(k.t, k.f, lClipboard)) {
        CloseStatusText();
        return 0;
    }
    // Text without blocks whose lines end in LF alone (a file from another
    // system): its statements are read from a copy with CR LF line ends, or
    // the whole text would be one line. The copy kept for the next save has the
    // bytes as they were.
    std::string sLines;
    if (!k.f.lBlocks && sText.find('\n') != std::string_view::npos) {
        sLines.reserve(sText.size() + sText.size() / 16);
        for (std::size_t l = 0; l < sText.size(); ++l) {
            if (sText[l] == '\n' && (l == 0 || sText[l - 1] != '\r')) {
                sLines.push_back('\r');
            }
            sLines.push_back(sText[l]);
        }
        k.t.sText = sLines;
        k.t.lPos = 0;
    }
    ReadStatements(k);
    LinkMenuItems(true);
    RecountUsage();
    CloseStatusText();
    FinishFrame(k.f);
    return 1;
}
