// The two whole-file writers. The new-file writer lays out every section; the
// update writer walks the blocks of the file that was read, copies the user's
// own text between them byte for byte and regenerates only the blocks, then
// adds functions for resources that are new to the file.
#include "model/document.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/row_groups.h"

namespace {

int32_t ResKindOfBlock(int32_t lBlockKind) {
    switch (lBlockKind) {
    case wkBlockAccel:
        return wkResAccel;
    case wkBlockMenu:
        return wkResMenu;
    case wkBlockDialog:
        return wkResDialog;
    }
    return 0;
}

// The resource a resource block stands for, when it is still a live resource
// of the block's kind; 0 for a block whose resource was deleted meanwhile.
int32_t BlockResource(const tBlock& t) {
    int32_t lKind = ResKindOfBlock(t.lType);
    return lKind != 0 && IsLiveRes(t.lResElem, lKind) ? t.lResElem : 0;
}

bool HasBlock(int32_t lRes) {
    for (int32_t l = 1; l <= glBlockCnt; ++l) {
        if (gatBlock[l].lResElem == lRes && BlockResource(gatBlock[l]) == lRes) {
            return true;
        }
    }
    return false;
}

// The file has no AssignAccel function yet but needs one: it has keys, and
// neither an AssignAccel block nor a block of an accelerator table (a file with
// such a block has its own AssignAccel, in or out of a block).
bool NeedsAssignAccel() {
    return glAccelCnt > 0 && FindBlockByKind(wkBlockAssignAccel) == 0 &&
           FindBlockByKind(wkBlockAccel) == 0;
}

// The resources the update writer appends whole, in table order.
bool IsAppended(int32_t lRes) {
    if (!gatRes.Live(lRes) || HasBlock(lRes)) {
        return false;
    }
    int32_t lKind = gatRes[lRes].lType;
    return lKind == wkResAccel || lKind == wkResMenu || lKind == wkResPopupMenu ||
           lKind == wkResDialog;
}

// Functions for resources without a block, the AssignAccel block when the
// file needs it, and an empty line; "" when nothing is new.
std::string AppendedFunctions(const tWriteLayout& tLay) {
    std::string s;
    const FullFileScope tFull(true);
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (!IsAppended(l)) {
            continue;
        }
        switch (gatRes[l].lType) {
        case wkResAccel:
            WriteAccelFunction(s, tLay, l);
            break;
        case wkResMenu:
        case wkResPopupMenu:
            WriteMenuFunction(s, tLay, l);
            break;
        case wkResDialog:
            WriteCallbackFunction(s, tLay, l);
            WriteDialogFunction(s, tLay, l);
            break;
        }
    }
    if (NeedsAssignAccel()) {
        PutLine(s, SeparatorLine(tLay));
        WriteAssignAccelBlock(s, tLay);
        PutLine(s, SeparatorLine(tLay));
        PutEmpty(s);
    }
    if (!s.empty()) {
        PutEmpty(s);
    }
    return s;
}

bool EndsWithLineEnd(const std::string& s) {
    return s.size() >= 2 && s.compare(s.size() - 2, 2, "\r\n") == 0;
}

// Puts the appended functions at the end of the text so far. A text the user
// left without a final line end gets one first, so the next function does not
// start on the user's last line.
void PutAppended(std::string& sOut, const std::string& sAppended, bool bBeforeCopy) {
    if (sAppended.empty()) {
        return;
    }
    if (!sOut.empty() && !EndsWithLineEnd(sOut)) {
        PutEmpty(sOut);
    }
    // Before a Copy marker, keep the "'====" line that introduces the copy
    // next to the marker.
    size_t lLineStart = sOut.size() >= 2 ? sOut.rfind("\r\n", sOut.size() - 3) : std::string::npos;
    lLineStart = lLineStart == std::string::npos ? 0 : lLineStart + 2;
    std::string sLast = sOut.substr(lLineStart);
    if (bBeforeCopy && sLast.size() > 4 && sLast.compare(0, 2, "'=") == 0 &&
        sLast.find_first_not_of('=', 1) == sLast.size() - 2) {
        sOut.erase(lLineStart);
        sOut += sAppended;
        sOut += sLast;
        return;
    }
    sOut += sAppended;
}

// The size of the pieces the update writer hands on while saving.
constexpr std::size_t kPieceBytes = 1 << 20;

// Hands on the text so far except its last line, which stays: PutAppended
// looks at the last line before the appended functions (found, as there, by
// the line end before the final two bytes), so that line and everything after
// it must still be in s.
void PutPiece(std::string& s, const std::function<void(std::string_view)>& fnPut) {
    const size_t lEnd = s.size() >= 3 ? s.rfind("\r\n", s.size() - 3) : std::string::npos;
    if (lEnd == std::string::npos) {
        return;
    }
    fnPut(std::string_view(s).substr(0, lEnd + 2));
    s.erase(0, lEnd + 2);
}

// The comment below the Created line that tells a reader of the file what the
// metastatements are for; every line is 61 characters wide.
void WriteHeaderComment(std::string& sOut, const tWriteLayout& tLay) {
    static const char* const aszLine[] = {
        "' The first line in this file is a Wrenkit metastatement.    ",
        "' It should ALWAYS be the first line of the file. Other      ",
        "' Wrenkit metastatements are placed at the beginning and     ",
        "' ending of blocks of code that should be edited using       ",
        "' Wrenkit only. Do not edit or delete these                  ",
        "' metastatements or Wrenkit will not be able to reread       ",
        "' the file correctly. See the Wrenkit documentation for      ",
        "' more information.                                          ",
        "' Beginning blocks begin like this: #Wrenkit Begin ...       ",
        "' Ending blocks begin like this:    #Wrenkit End ...         ",
        "' Other Wrenkit metastatements such as:                      ",
        "'     #Wrenkit Declarations                                  ",
        "' are used to tell Wrenkit where to insert additional        ",
        "' code. Feel free to make changes anywhere else in the file. ",
    };
    PutLine(sOut, SeparatorLine(tLay));
    for (const char* psz : aszLine) {
        PutLine(sOut, psz);
    }
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
}

} // namespace

void WriteKvlDeclarationsUpdate(std::string& sOut, const tWriteLayout& tLay) {
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (!IsAppended(l)) {
            continue;
        }
        const std::string sBase = FunctionBaseName(l);
        if (gatRes[l].lType == wkResDialog) {
            PutWrapped(sOut, tLay, "Declare CallBack Function Show" + sBase + "Proc()");
            PutWrapped(sOut, tLay,
                       "Declare Function Show" + sBase + "(ByVal hDlg As Dword) As Long");
        } else {
            PutWrapped(sOut, tLay,
                       "Declare Function Attach" + sBase + "(ByVal hDlg As Dword) As Dword");
        }
    }
    if (NeedsAssignAccel()) {
        PutWrapped(sOut, tLay,
                   "Declare Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, "
                   "ByVal wCmd As Word, ByVal byFVirt As Byte) As Long");
    }
    PutLine(sOut, MetaDeclarations());
}

std::string BuildNewKvlFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave) {
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ShowStatusText("Saving KVL");
    std::string s;
    // Room for the whole text at once: growing a large file by doubling copies
    // it again and again. Pages never written cost nothing.
    s.reserve(512 * (static_cast<size_t>(glDlgCnt) + glMenuCnt + glAccelCnt) +
              64 * static_cast<size_t>(glIDCnt) + 4096);
    {
        const FullFileScope tFull(true);
        PutLine(s, MetaCreated());
        if (tLay.bHdrComment) {
            WriteHeaderComment(s, tLay);
        }
        PutLine(s, "#Compile Exe");
        PutLine(s, "#Dim All");
        PutEmpty(s);
        bool bComCtl = false;
        bool bRichEdit = false;
        KvlIncludeFlags(bComCtl, bRichEdit);
        WriteKvlIncludes(s, tLay, tDoc, bComCtl, bRichEdit);
        WriteKvlConstants(s, tLay);
        WriteKvlDeclarations(s, tLay);
        WriteKvlMain(s, tLay, bComCtl, bRichEdit);
        WriteKvlMenus(s, tLay);
        WriteKvlAccelerators(s, tLay);
        WriteKvlCallBacks(s, tLay);
        WriteKvlSampleCode(s, tLay);
        WriteKvlDialogs(s, tLay);
    }

    const std::string* psCopy = OpenText(tDoc.tPreImport);
    if (bForSave && !tDoc.lAsNew && psCopy) {
        PutEmpty(s);
        PutLine(s, "'" + std::string(static_cast<size_t>(tLay.lWrapPos), '='));
        PutLine(s, MetaCopy());
        PutLine(s, "'The following is a copy of your code before importing:");
        PutLine(s, "#If 0");
        PutLine(s, *psCopy);
        PutLine(s, "#EndIf");
    }
    CloseStatusText();
    return s;
}

namespace {

// The updated file into s; with fnPut, the text is handed on in pieces of about
// kPieceBytes as it is made and s keeps only the rest.
void BuildUpdatedKvlText(const tDocument& tDoc, const tWriteLayout& tLay, std::string& s,
                         const std::function<void(std::string_view)>* pfnPut) {
    const std::string* psWork = &tDoc.tWork.sText;
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ShowStatusText("Saving KVL");
    const std::string sAppended = AppendedFunctions(tLay);
    bool bAppended = false;
    if (pfnPut) {
        // One buffer, written out again and again: its pages are touched once,
        // not once per megabyte of the file.
        s.reserve(2 * kPieceBytes);
    } else {
        // Room for the whole text at once: the user's text and the regenerated
        // blocks come out at about the size of the file that was read, and a
        // large file grown by doubling would be copied again at every step. An
        // eighth more leaves room for blocks that grew; pages never written
        // cost nothing.
        s.reserve(psWork->size() + psWork->size() / 8 + sAppended.size() + 4096);
    }
    const FullFileScope tBlocks(false);
    for (int32_t l = 1; l <= glBlockCnt; ++l) {
        if (pfnPut && s.size() >= kPieceBytes) {
            PutPiece(s, *pfnPut);
        }
        const tBlock& t = gatBlock[l];
        switch (t.lType) {
        case wkBlockUser:
            // Bytes outside the work text (a damaged block row) are not invented.
            if (t.lFilePos >= 1 && t.lLen > 0 &&
                static_cast<size_t>(t.lFilePos) <= psWork->size()) {
                s.append(*psWork, static_cast<size_t>(t.lFilePos) - 1, static_cast<size_t>(t.lLen));
            }
            break;
        case wkBlockCreated:
            PutLine(s, MetaCreated());
            break;
        case wkBlockCopy:
            // New functions go above the copy: everything after the marker is
            // plain text that the reader never parses again.
            if (!bAppended) {
                PutAppended(s, sAppended, true);
                bAppended = true;
            }
            PutLine(s, MetaCopy());
            break;
        case wkBlockIncludes: {
            bool bComCtl = false;
            bool bRichEdit = false;
            KvlIncludeFlags(bComCtl, bRichEdit);
            WriteKvlIncludes(s, tLay, tDoc, bComCtl, bRichEdit);
            break;
        }
        case wkBlockConstants:
            WriteKvlConstants(s, tLay);
            break;
        case wkBlockDeclarations:
            WriteKvlDeclarationsUpdate(s, tLay);
            break;
        case wkBlockAssignAccel:
            WriteAssignAccelBlock(s, tLay);
            break;
        case wkBlockAccel:
            if (int32_t lRes = BlockResource(t)) {
                WriteAccelFunction(s, tLay, lRes);
            }
            break;
        case wkBlockMenu:
            if (int32_t lRes = BlockResource(t)) {
                WriteMenuFunction(s, tLay, lRes);
            }
            break;
        case wkBlockDialog:
            if (int32_t lRes = BlockResource(t)) {
                WriteDialogFunction(s, tLay, lRes);
            }
            break;
        default:
            break;
        }
    }
    if (!bAppended) {
        PutAppended(s, sAppended, false);
    }
    CloseStatusText();
}

} // namespace

namespace {

// A file with blocks was read, and the run regenerates it rather than making
// a new one.
bool UpdatesReadFile(const tDocument& tDoc) {
    return !tDoc.lAsNew && tDoc.tWork.lOpen && glBlockCnt > 0;
}

} // namespace

std::string BuildUpdatedKvlFile(const tDocument& tDoc, const tWriteLayout& tLay) {
    std::string s;
    if (tDoc.tWork.lOpen && glBlockCnt > 0) {
        BuildUpdatedKvlText(tDoc, tLay, s, nullptr);
    }
    return s;
}

std::string BuildKvlFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave) {
    if (UpdatesReadFile(tDoc)) {
        return BuildUpdatedKvlFile(tDoc, tLay);
    }
    return BuildNewKvlFile(tDoc, tLay, bForSave);
}

void BuildKvlFilePieces(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave,
                        const std::function<void(std::string_view)>& fnPut) {
    if (UpdatesReadFile(tDoc)) {
        std::string s;
        BuildUpdatedKvlText(tDoc, tLay, s, &fnPut);
        fnPut(s);
        return;
    }
    fnPut(BuildNewKvlFile(tDoc, tLay, bForSave));
}
