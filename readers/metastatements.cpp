#include "readers/metastatements.h"

#include "edit/id_links.h"
#include "model/file_errors.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "readers/work_files.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kKvlSearch = "#WRENKIT ";
constexpr std::string_view kRCSearch = "//#Wrenkit ";

// A marker word or argument longer than this is cut: no name or argument the
// writers produce comes near it, and a damaged line cannot make huge copies.
constexpr std::size_t kWordMax = 4095;

// A file byte matches a search byte when equal, or when it is a lower-case
// letter whose upper-case form is the search byte: the KVL search text is all
// upper case (any case matches), the script's has lower-case letters that must
// be written in lower case.
bool SearchMatch(char cFile, char cSearch) {
    return cFile == cSearch || (cFile >= 'a' && cFile <= 'z' && cFile - 'a' + 'A' == cSearch);
}

} // namespace

bool IsMarkerTextAt(std::string_view sText, std::size_t lPos, bool bRC) {
    const std::string_view sSearch = bRC ? kRCSearch : kKvlSearch;
    if (lPos > sText.size() || sText.size() - lPos < sSearch.size()) {
        return false;
    }
    for (std::size_t k = 0; k < sSearch.size(); ++k) {
        if (!SearchMatch(sText[lPos + k], sSearch[k])) {
            return false;
        }
    }
    return true;
}

namespace {

void FindNext(tSourceText& t, tMetaMarker& tOut, bool bRC) {
    const std::string_view sSearch = bRC ? kRCSearch : kKvlSearch;
    const std::string_view s = t.sText;
    const std::size_t n = s.size();
    const std::size_t lFrom = t.lPos;
    tOut = tMetaMarker{};
    std::size_t i = lFrom;
    while (i < n) {
        // Both search texts begin with a byte that is not a letter, so only that
        // very byte can start a marker: jump to its next copy with the fast
        // library search, counting the line ends passed on the way.
        const void* pNext = std::memchr(s.data() + i, sSearch[0], n - i);
        const std::size_t lNext =
            pNext ? static_cast<std::size_t>(static_cast<const char*>(pNext) - s.data()) : n;
        t.lLine += static_cast<int32_t>(std::count(s.data() + i, s.data() + lNext, '\r'));
        i = lNext;
        if (i >= n) {
            break;
        }
        std::size_t k = 0;
        while (k < sSearch.size() && i + k < n && SearchMatch(s[i + k], sSearch[k])) {
            ++k;
        }
        if (k == sSearch.size()) {
            if (i == lFrom || (i >= 2 && s[i - 2] == '\r' && s[i - 1] == '\n')) {
                tOut.lFound = 1;
                tOut.lStart = i;
                tOut.lLine = t.lLine;
                t.lPos = i + k;
                if (bRC) {
                    ParseRCMetaLine(t, tOut);
                } else {
                    ParseMetaLine(t, tOut);
                }
                return;
            }
            i += k; // not at a line start: plain text, the search goes on after it
            continue;
        }
        if (i + k >= n) {
            break;
        }
        if (s[i + k] == '\r') {
            ++t.lLine;
        }
        i += k + 1; // the search resumes after the mismatching byte
    }
    tOut.lStart = n;
    tOut.lLine = t.lLine;
    t.lPos = n;
}

void ParseLine(tSourceText& t, tMetaMarker& tOut, bool bRC) {
    const std::string_view s = t.sText;
    const std::size_t n = s.size();
    bool bLineEnd = false;
    // A word ends at a blank or a CR; the blank is consumed, the CR is not.
    auto ReadWord = [&]() {
        std::size_t l = t.lPos;
        while (l < n && s[l] != ' ' && s[l] != '\r') {
            ++l;
        }
        std::string sWord(s.substr(t.lPos, std::min(l - t.lPos, kWordMax)));
        t.lPos = l;
        if (l >= n || s[l] == '\r') {
            bLineEnd = true;
        } else {
            ++t.lPos;
        }
        return sWord;
    };
    tOut.lCode = wkMetaNone;
    tOut.sBlock.clear();
    tOut.sArg.clear();
    const std::string sKey = UpperText(ReadWord());
    if (sKey == "CREATED") {
        tOut.lCode = wkMetaCreated;
    } else if (sKey == "BEGIN") {
        tOut.lCode = wkMetaBegin;
    } else if (sKey == "END") {
        tOut.lCode = wkMetaEnd;
    } else if (sKey == "DECLARATIONS" && !bRC) {
        tOut.lCode = wkMetaDeclarations;
    } else if (sKey == "COPY") {
        tOut.lCode = wkMetaCopy;
    }
    if ((tOut.lCode == wkMetaBegin || tOut.lCode == wkMetaEnd) && !bLineEnd) {
        std::string sName = ReadWord();
        if (BlockKindFromName(sName, bRC) >= 0) {
            tOut.sBlock = sName;
            if (tOut.lCode == wkMetaBegin && !bRC && !bLineEnd) {
                tOut.sArg = ReadWord();
            }
        }
    }
    SkipLine(t);
}

// The marker line as the user sees it, for messages (cut to 100 characters).
std::string LineText(std::string_view s, std::size_t lStart) {
    std::size_t lEnd = lStart;
    while (lEnd < s.size() && s[lEnd] != '\r' && s[lEnd] != '\n' && lEnd - lStart < 100) {
        ++lEnd;
    }
    return std::string(TrimText(s.substr(lStart, lEnd - lStart)));
}

// The start of the line that holds position l.
std::size_t LineStartOf(std::string_view s, std::size_t l) {
    while (l > 0 && s[l - 1] != '\n' && s[l - 1] != '\r') {
        --l;
    }
    return l;
}

bool IsSingleKind(int32_t lKind) {
    return lKind == wkBlockIncludes || lKind == wkBlockConstants || lKind == wkBlockAssignAccel ||
           lKind == wkBlockRCData || lKind == wkBlockStrings || lKind == wkBlockVersionInfo;
}

void AddUserText(tSourceText& t, tReadFrame& f, bool bRC, std::size_t lFrom, std::size_t lTo) {
    if (lTo <= lFrom) {
        return;
    }
    int32_t lLen = static_cast<int32_t>(lTo - lFrom);
    int32_t lPos = 0;
    if (f.psInPlace) {
        assert(lFrom >= f.lInPlaceEnd && lTo <= f.psInPlace->size());
        // The pieces come in file order and every byte before lFrom has been
        // read: the piece moves down over them. The byte before the scan
        // position is never changed, since a move ending there starts there too.
        char* p = f.psInPlace->data();
        std::memmove(p + f.lInPlaceEnd, p + lFrom, lTo - lFrom);
        lPos = static_cast<int32_t>(f.lInPlaceEnd) + 1;
        f.lInPlaceEnd += lTo - lFrom;
    } else {
        tWorkFile& tWork = bRC ? gtDoc.tRCWork : gtDoc.tWork;
        lPos = AppendWorkFile(tWork, t.sText.substr(lFrom, lTo - lFrom));
    }
    if (bRC) {
        AddRCBlock(wkBlockUser, 0, lPos, lLen);
    } else {
        AddBlock(wkBlockUser, 0, lPos, lLen);
    }
}

// The text from f.lUnkeptFrom up to lTo was read as generated code after a
// damaged marker: its lines are noted for the save's question.
void NoteUnkept(tReadFrame& f, std::size_t lTo) {
    if (lTo > f.lUnkeptFrom && lTo <= f.sFrameText.size()) {
        NoteUnkeptLines(f.lRC ? gatRCUnkeptLine : gatUnkeptLine,
                        f.sFrameText.substr(f.lUnkeptFrom, lTo - f.lUnkeptFrom), f.lUnkeptLine);
    }
}

// From here the text may be unkept: after a Begin line, or a damaged marker.
void MarkUnkeptFrom(tReadFrame& f, std::size_t lFrom, int32_t lMarkerLine) {
    f.lUnkeptFrom = lFrom;
    f.lUnkeptLine = lMarkerLine + 1;
}

int32_t Scan(tSourceText& t, tReadFrame& f, bool bRC) {
    // Iterative, not recursive: a damaged file with thousands of Declarations
    // markers or duplicate blocks must not exhaust the stack.
    for (;;) {
        const std::size_t lFrom = t.lPos;
        tMetaMarker m;
        FindNext(t, m, bRC);
        AddUserText(t, f, bRC, lFrom, m.lStart);
        f.lBlockKind = 0;
        if (!m.lFound) {
            f.lInBlock = 0;
            return wkScanEnd;
        }
        const int32_t lKind = m.sBlock.empty() ? -1 : BlockKindFromName(m.sBlock, bRC);
        if (m.lCode == wkMetaBegin && lKind >= 0) {
            if (IsSingleKind(lKind)) {
                bool bDuplicate = bRC ? FindRCBlockByKind(lKind) != 0 : FindBlockByKind(lKind) != 0;
                if (bDuplicate) {
                    // A second block of a single kind is dropped with its contents,
                    // up to the next marker, which should be its End line.
                    tMetaMarker mEnd;
                    const std::size_t lContents = t.lPos;
                    FindNext(t, mEnd, bRC);
                    if (!mEnd.lFound || mEnd.lCode != wkMetaEnd) {
                        // Without its End line the text up to the next marker
                        // may be the user's.
                        MarkUnkeptFrom(f, lContents, m.lLine);
                        NoteUnkept(f, mEnd.lStart);
                        f.asDamage.push_back(
                            "Line " + std::to_string(m.lLine) + ": the second \"" +
                            LineText(t.sText, m.lStart) + "\" block has no \"#Wrenkit End\" line" +
                            (mEnd.lFound ? " before line " + std::to_string(mEnd.lLine) + "."
                                         : " before the end of the file."));
                    }
                    if (!mEnd.lFound) {
                        f.lInBlock = 0;
                        return wkScanEnd;
                    }
                    continue;
                }
                if (bRC) {
                    AddRCBlock(lKind, 0, 0, 0);
                } else {
                    AddBlock(lKind, 0, 0, 0);
                }
            } else {
                AddBlock(lKind, 0, 0, 0);
                BeginResourceBlock(m.sBlock, m.sArg);
            }
            f.lInBlock = 1;
            f.lBlockKind = lKind;
            f.sOpenMarker = LineText(t.sText, m.lStart);
            f.lOpenLine = m.lLine;
            MarkUnkeptFrom(f, t.lPos, m.lLine);
            return wkScanBlock;
        }
        if (m.lCode == wkMetaDeclarations) {
            if (!FindBlockByKind(wkBlockDeclarations)) {
                AddBlock(wkBlockDeclarations, 0, 0, 0);
            }
            continue;
        }
        if (m.lCode == wkMetaCopy) {
            if (bRC) {
                AddRCBlock(wkBlockCopy, 0, 0, 0);
            } else {
                AddBlock(wkBlockCopy, 0, 0, 0);
            }
            AddUserText(t, f, bRC, t.lPos, t.sText.size());
            t.lPos = t.sText.size();
            f.lInBlock = 0;
            return wkScanEnd;
        }
        // Created, End, an unknown keyword or block name: the line is dropped and
        // the statement loop reads on, so the text after it is not kept.
        f.asDamage.push_back("Line " + std::to_string(m.lLine) + ": \"" +
                             LineText(t.sText, m.lStart) + "\" does not begin a block.");
        f.lInBlock = 2;
        MarkUnkeptFrom(f, t.lPos, m.lLine);
        return wkScanStray;
    }
}

// A resource named by a link field, only when it exists and is of the kind.
int32_t LinkTarget(const std::string& sName, int32_t lKindMask) {
    if (sName.empty()) {
        return 0;
    }
    int32_t lRes = FindResourceByID(FindIDByName(sName.substr(0, IDNameText::Capacity())));
    return (gatRes[lRes].lType & lKindMask) != 0 ? lRes : 0;
}

void ReportFileError(int32_t lErr) {
    ReportInfo("Error #" + std::to_string(lErr) + " " + StdErrorText(lErr));
}

} // namespace

const char* const gszNotCreatedQuestion =
    "The selected file was not created by Wrenkit or the #Wrenkit\r\n"
    "metastatements have been modified. If you continue, the file will be imported and\r\n"
    "a copy of your code will be placed at the bottom of your file when you save.\r\n"
    "\r\n"
    "Do you want to continue?";

int32_t BlockKindFromName(const std::string& sName, bool bRC) {
    const std::string s = UpperText(sName);
    if (s == "CONSTANTS") {
        return wkBlockConstants;
    }
    if (bRC) {
        if (s == "RCDATA") {
            return wkBlockRCData;
        }
        if (s == "STRINGS") {
            return wkBlockStrings;
        }
        if (s == "VERSIONINFO") {
            return wkBlockVersionInfo;
        }
        return -1;
    }
    if (s == "INCLUDES") {
        return wkBlockIncludes;
    }
    if (s == "ASSIGNACCEL") {
        return wkBlockAssignAccel;
    }
    if (s == "ACCEL") {
        return wkBlockAccel;
    }
    if (s == "MENU") {
        return wkBlockMenu;
    }
    if (s == "DIALOG") {
        return wkBlockDialog;
    }
    return -1;
}

void FindNextMeta(tSourceText& t, tMetaMarker& tOut) {
    FindNext(t, tOut, false);
}

void FindNextRCMeta(tSourceText& t, tMetaMarker& tOut) {
    FindNext(t, tOut, true);
}

void ParseMetaLine(tSourceText& t, tMetaMarker& tOut) {
    ParseLine(t, tOut, false);
}

void ParseRCMetaLine(tSourceText& t, tMetaMarker& tOut) {
    ParseLine(t, tOut, true);
}

void BeginResourceBlock(const std::string& sBlock, const std::string& sArg) {
    std::string asField[3];
    std::size_t lFrom = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t lArrow = sArg.find("->", lFrom);
        asField[i] =
            sArg.substr(lFrom, lArrow == std::string::npos ? std::string::npos : lArrow - lFrom);
        if (lArrow == std::string::npos) {
            break;
        }
        lFrom = lArrow + 2;
    }
    // Names are kept to the 32 characters of the ID table, so that a long name
    // finds the ID that an earlier line created from it.
    const std::string sName = asField[0].substr(0, IDNameText::Capacity());
    if (!IsIDNameText(sName)) {
        // No name the writers could write back: no resource, and the block row
        // keeps resource 0 (its statements then make a resource of their own).
        return;
    }
    const int32_t lKind = BlockKindFromName(sBlock, false);
    const int32_t lResKind = lKind == wkBlockAccel    ? wkResAccel
                             : lKind == wkBlockMenu   ? wkResMenu
                             : lKind == wkBlockDialog ? wkResDialog
                                                      : 0;
    if (lResKind == 0) {
        return;
    }
    int32_t lID = FindIDByName(sName);
    if (lID == 0) {
        lID = AddID(sName, "-1", 0);
    }
    const int32_t lRes = AddResource(sName, lResKind, lID, 0);
    if (lResKind == wkResDialog) {
        gtElem.lResDlg = lRes;
        // Links only to resources that exist already and are of the right kind.
        int32_t lMenu = LinkTarget(asField[1], wkResMenu | wkResPopupMenu);
        int32_t lAccel = LinkTarget(asField[2], wkResAccel);
        // Several dialogs may share one menu or key table: each keeps its own
        // link, and the table points back at the last of them, as an import does.
        if (lMenu) {
            gatRes.W(lRes).lLinkMenu = lMenu;
            gatRes.W(lMenu).lLinkDlg = lRes;
        }
        if (lAccel) {
            gatRes.W(lRes).lLinkAccel = lAccel;
            gatRes.W(lAccel).lLinkDlg = lRes;
        }
        if (lMenu && lAccel) {
            LinkBothWays(lMenu, &tRes::lLinkAccel, lAccel, &tRes::lLinkMenu);
        }
    } else {
        if (lResKind == wkResMenu) {
            gtElem.lResMenu = lRes;
        } else {
            gtElem.lResAccel = lRes;
        }
        int32_t lDlg = LinkTarget(asField[1], wkResDialog);
        if (lDlg) {
            LinkBothWays(lDlg, lResKind == wkResMenu ? &tRes::lLinkMenu : &tRes::lLinkAccel, lRes,
                         &tRes::lLinkDlg);
        }
    }
    gatBlock.W(glBlockCnt).lResElem = lRes;
}

int32_t ScanBlocks(tSourceText& t, tReadFrame& f) {
    return Scan(t, f, false);
}

int32_t ScanRCBlocks(tSourceText& t, tReadFrame& f) {
    return Scan(t, f, true);
}

int32_t StartKvlFrame(tSourceText& t, tReadFrame& f, int32_t lClipboard) {
    f = tReadFrame{};
    f.lClipboard = lClipboard ? 1 : 0;
    if (f.lClipboard) {
        return 1;
    }
    // A new file is being read: whatever the previous one left is stale.
    CloseWorkFiles();
    ClearRCBlocks();
    tMetaMarker m;
    FindNextMeta(t, m);
    if (m.lFound && m.lCode == wkMetaCreated) {
        if (int32_t lErr = OpenWorkFile(gtDoc.tWork, t.sText.size())) {
            ReportFileError(lErr);
            CloseWorkFile(gtDoc.tWork);
            return 0;
        }
        ClearBlocks();
        // Text before the Created marker is the user's too: it is kept in front
        // of it rather than lost on the next save.
        AddUserText(t, f, false, 0, m.lStart);
        AddBlock(wkBlockCreated, 0, 0, 0);
        f.lBlocks = 1;
        f.sFrameText = t.sText;
        ScanBlocks(t, f);
        return 1;
    }
    if (AskUser(gszNotCreatedQuestion, wkBtnYesNo, 1) != wkAnsYes) {
        return 0;
    }
    t.lPos = 0;
    t.lLine = 1;
    if (int32_t lErr = OpenWorkFile(gtDoc.tPreImport, t.sText.size())) {
        ReportFileError(lErr);
        CloseWorkFile(gtDoc.tPreImport);
        return 0;
    }
    AppendWorkFile(gtDoc.tPreImport, t.sText);
    return 1;
}

int32_t StartRCFrame(tSourceText& t, tReadFrame& f, int32_t lClipboard, std::string* psOwned) {
    f = tReadFrame{};
    f.lRC = 1;
    f.lClipboard = lClipboard ? 1 : 0;
    if (f.lClipboard) {
        return 1;
    }
    CloseWorkFile(gtDoc.tRCWork);
    CloseWorkFile(gtDoc.tRCPreImport);
    gatRCUnkeptLine.clear();
    tMetaMarker m;
    FindNextRCMeta(t, m);
    if (m.lFound && m.lCode == wkMetaCreated) {
        const bool bInPlace =
            psOwned && psOwned->data() == t.sText.data() && psOwned->size() == t.sText.size();
        if (int32_t lErr = OpenWorkFile(gtDoc.tRCWork, bInPlace ? 0 : t.sText.size())) {
            ReportFileError(lErr);
            CloseWorkFile(gtDoc.tRCWork);
            return 0;
        }
        if (bInPlace) {
            gtDoc.tRCWork.sText = std::move(*psOwned);
            t.sText = gtDoc.tRCWork.sText;
            f.psInPlace = &gtDoc.tRCWork.sText;
        }
        ClearRCBlocks();
        AddUserText(t, f, true, 0, m.lStart);
        AddRCBlock(wkBlockCreated, 0, 0, 0);
        f.lBlocks = 1;
        f.sFrameText = t.sText;
        ScanRCBlocks(t, f);
        return 1;
    }
    t.lPos = 0;
    t.lLine = 1;
    if (gtDoc.tPreImport.lOpen) {
        if (int32_t lErr = OpenWorkFile(gtDoc.tRCPreImport, t.sText.size())) {
            ReportFileError(lErr);
            CloseWorkFile(gtDoc.tRCPreImport);
            return 0;
        }
        AppendWorkFile(gtDoc.tRCPreImport, t.sText);
    }
    return 1;
}

void FrameMarkerLine(tSourceText& t, tReadFrame& f) {
    if (!f.lBlocks || f.lClipboard) {
        SkipLine(t);
        return;
    }
    const std::size_t lLineStart = LineStartOf(t.sText, t.lPos);
    const int32_t lLine = t.lLine;
    tMetaMarker m;
    if (f.lRC) {
        ParseRCMetaLine(t, m);
    } else {
        ParseMetaLine(t, m);
    }
    if (f.lInBlock == 2 || (f.lInBlock == 1 && m.lCode != wkMetaEnd)) {
        NoteUnkept(f, lLineStart);
    }
    if (m.lCode == wkMetaEnd) {
        f.lInBlock = 0;
        if (f.lRC) {
            ScanRCBlocks(t, f);
        } else {
            ScanBlocks(t, f);
        }
        return;
    }
    // Any other marker is consumed here. Inside a block that means its End
    // line is missing: everything from its Begin line on is read as the
    // designer's code and regenerated by the next save.
    if (f.lInBlock == 1) {
        f.asDamage.push_back("Line " + std::to_string(f.lOpenLine) + ": \"" + f.sOpenMarker +
                             "\" has no \"#Wrenkit End\" line before line " +
                             std::to_string(lLine) + ".");
        f.lInBlock = 2;
    }
    if (m.lCode == wkMetaBegin) {
        f.asDamage.push_back("Line " + std::to_string(lLine) + ": \"" +
                             LineText(t.sText, lLineStart) + "\" is not read as a block.");
    }
    if (f.lInBlock != 0) {
        MarkUnkeptFrom(f, t.lPos, lLine);
    }
}

void FinishFrame(tReadFrame& f) {
    if (f.lInBlock != 0 && f.lBlocks && !f.lClipboard) {
        NoteUnkept(f, f.sFrameText.size()); // before an in-place text is cut
    }
    if (f.psInPlace) {
        // The script's own text after its user text is no longer needed; a
        // mostly generated script gives back what it does not keep.
        f.psInPlace->resize(f.lInPlaceEnd);
        if (f.lInPlaceEnd < f.psInPlace->capacity() / 2) {
            f.psInPlace->shrink_to_fit();
        }
        f.psInPlace = nullptr;
    }
    if (f.lInBlock == 1) {
        f.asDamage.push_back("Line " + std::to_string(f.lOpenLine) + ": \"" + f.sOpenMarker +
                             "\" has no \"#Wrenkit End\" line before the end of the file.");
    }
    f.lInBlock = 0;
    if (f.asDamage.empty()) {
        return;
    }
    constexpr std::size_t kShown = 12;
    std::string sMsg = "The #Wrenkit metastatements of this file are damaged:\r\n";
    for (std::size_t l = 0; l < f.asDamage.size() && l < kShown; ++l) {
        sMsg += "\r\n" + f.asDamage[l];
    }
    if (f.asDamage.size() > kShown) {
        sMsg += "\r\n... and " + std::to_string(f.asDamage.size() - kShown) + " more.";
    }
    sMsg += "\r\n\r\nThe text after each of these lines, up to the next #Wrenkit line, is read as "
            "generated code and will be replaced when the file is saved. Mend the file in a "
            "text editor before you save it.";
    ReportError(sMsg);
    f.asDamage.clear();
}
