// The companion resource script of a KVL project: the images, icons and
// animations the KVL statements cannot carry, the string table and the version
// information, with #define lines for their IDs, fenced by "//#Wrenkit" blocks
// so that the user's own text survives every save.
#include "edit/data_files.h"
#include "model/document.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "styles/control_kinds.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/rc_text.h"
#include "writers/rc_writer.h"

#include <algorithm>

namespace {

// The data resources linked by dialogs and controls, once each, in row order,
// with the row that links each first.
struct tLinkedData {
    int32_t lRes;
    int32_t lRow;
};

std::vector<tLinkedData> LinkedData() {
    std::vector<tLinkedData> at;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        int32_t lRes = gatDlg[l].lDataResElem;
        if (!gatDlg.Live(l) || lRes == 0 || gatRes[lRes].lIDElem == 0 ||
            !gatID.Live(gatRes[lRes].lIDElem)) {
            continue;
        }
        if (std::none_of(at.begin(), at.end(),
                         [&](const tLinkedData& t) { return t.lRes == lRes; })) {
            at.push_back({lRes, l});
        }
    }
    return at;
}

// The resource type of a data file as the row that shows it needs it; "" when
// the row shows no file of a kind the script can carry.
const char* DataTypeWord(const tDlg& tRow) {
    switch (DataKindOf(tRow)) {
    case wkResIcon:
        return "ICON   DISCARDABLE ";
    case wkResBitmap:
        return "BITMAP DISCARDABLE ";
    case wkResAvi:
        return "AVI    DISCARDABLE ";
    default:
        return "";
    }
}

std::string Doubled(const std::string& s) {
    std::string r;
    for (char c : s) {
        r += c;
        if (c == '\\') {
            r += '\\';
        }
    }
    return r;
}

const char* const kasHeader[] = {
    "// The first line in this file is a Wrenkit comment. It    ",
    "// should ALWAYS be the first line of the file. Other      ",
    "// Wrenkit comments are placed at the beginning and        ",
    "// ending of blocks of code that should be edited using    ",
    "// Wrenkit only. Do not edit or delete these comments or   ",
    "// Wrenkit will not be able to reread the file correctly.  ",
    "// See the Wrenkit documentation for more information.     ",
    "// Beginning blocks begin like this: //#Wrenkit Begin ...  ",
    "// Ending blocks begin like this:    //#Wrenkit End ...    ",
    "// Feel free to make changes anywhere else in the file.    ",
};

} // namespace

void WriteRCConstants(std::string& sOut, const tWriteLayout& tLay) {
    if (FullFile()) {
        PutRCTitle(sOut, tLay, "Constants");
    }
    PutLine(sOut, RCMetaBegin("Constants"));
    std::vector<int32_t> alIDs;
    auto fnAdd = [&](int32_t lID) {
        if (lID != 0 && gatID.Live(lID) &&
            std::find(alIDs.begin(), alIDs.end(), lID) == alIDs.end()) {
            alIDs.push_back(lID);
        }
    };
    for (const tLinkedData& t : LinkedData()) {
        fnAdd(gatRes[t.lRes].lIDElem);
    }
    for (int32_t l = 1; l <= glStrCnt; ++l) {
        if (gatStr.Live(l)) {
            fnAdd(gatStr[l].lIDElem);
        }
    }
    std::vector<std::string> asNames;
    for (int32_t l : alIDs) {
        asNames.push_back(gatID[l].szIDName.str());
    }
    size_t lColumn = RCNameColumn(tLay, asNames);
    for (int32_t l : alIDs) {
        PutLine(sOut, "#define " + RCPaddedName(gatID[l].szIDName.view(), lColumn) +
                          std::to_string(gatID[l].lIDValue));
    }
    PutLine(sOut, RCMetaEnd("Constants"));
    if (FullFile()) {
        PutEmpty(sOut);
    }
}

void WriteRCData(std::string& sOut, const tWriteLayout& tLay, const tDocument& tDoc) {
    std::vector<tLinkedData> at = LinkedData();
    if (at.empty() && FullFile()) {
        return; // a block that was read keeps its markers even when it is empty now
    }
    if (FullFile()) {
        PutRCTitle(sOut, tLay, "RC Data");
    }
    PutLine(sOut, RCMetaBegin("RCData"));
    std::vector<std::string> asNames;
    for (const tLinkedData& t : at) {
        asNames.push_back(gatID[gatRes[t.lRes].lIDElem].szIDName.str());
    }
    size_t lColumn = RCNameColumn(tLay, asNames);
    for (size_t i = 0; i < at.size(); ++i) {
        const char* szType = DataTypeWord(gatDlg[at[i].lRow]);
        std::string sFile = GetDynStr(gatRes[at[i].lRes].lRCDataElem);
        if (*szType == '\0' || sFile.empty()) {
            continue; // nothing the resource compiler could read
        }
        PutLine(sOut, RCPaddedName(asNames[i], lColumn) + szType + "\"" +
                          Doubled(RelativeToSource(sFile, tDoc.sPath)) + "\"");
    }
    PutLine(sOut, RCMetaEnd("RCData"));
    if (FullFile()) {
        PutEmpty(sOut);
    }
}

void WriteRCStrings(std::string& sOut, const tWriteLayout& tLay) {
    if (glStrCnt == 0 && FullFile()) {
        return;
    }
    if (FullFile()) {
        PutRCTitle(sOut, tLay, "String Table");
    }
    PutLine(sOut, RCMetaBegin("Strings"));
    if (glStrCnt > 0) {
        std::vector<std::string> asNames;
        for (int32_t l = 1; l <= glStrCnt; ++l) {
            if (gatStr.Live(l)) {
                asNames.push_back(gatID[gatStr[l].lIDElem].szIDName.str());
            }
        }
        size_t lColumn = RCNameColumn(tLay, asNames);
        PutLine(sOut, "STRINGTABLE DISCARDABLE");
        PutLine(sOut, "BEGIN");
        for (int32_t l = 1; l <= glStrCnt; ++l) {
            if (gatStr.Live(l)) {
                PutLine(sOut, std::string(static_cast<size_t>(tLay.lTabSizeRC), ' ') +
                                  RCPaddedName(gatID[gatStr[l].lIDElem].szIDName.view(), lColumn) +
                                  RCQuoted(GetDynStr(gatStr[l].lStrElem)));
            }
        }
        PutLine(sOut, "END");
    }
    PutLine(sOut, RCMetaEnd("Strings"));
    if (FullFile()) {
        PutEmpty(sOut);
    }
}

std::string BuildNewRCFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave) {
    ShowStatusText("Saving RC");
    const FullFileScope tFull(true);
    std::string s;
    PutLine(s, "//#Wrenkit Created");
    if (tLay.bHdrComment) {
        PutLine(s, RCSeparator(tLay));
        for (const char* sz : kasHeader) {
            PutLine(s, sz);
        }
        PutLine(s, RCSeparator(tLay));
        PutEmpty(s);
    }
    PutLine(s, "#include \"Resource.h\"");
    PutEmpty(s);
    WriteRCConstants(s, tLay);
    WriteRCData(s, tLay, tDoc);
    WriteRCStrings(s, tLay);
    WriteRCVersionInfo(s, tLay);
    const std::string* pCopy = OpenText(tDoc.tRCPreImport);
    if (bForSave && tDoc.lAsNew == 0 && pCopy != nullptr) {
        PutEmpty(s);
        PutLine(s, "//" + std::string(static_cast<size_t>(tLay.lWrapPos), '='));
        PutLine(s, "//#Wrenkit Copy");
        PutLine(s, "//The following is a copy of your code before importing:");
        PutLine(s, "#if 0");
        PutLine(s, *pCopy);
        PutLine(s, "#endif");
    }
    CloseStatusText();
    return s;
}

std::string BuildUpdatedRCFile(const tDocument& tDoc, const tWriteLayout& tLay) {
    const std::string* psWork = OpenText(tDoc.tRCWork);
    if (psWork == nullptr || glRCBlockCnt == 0) {
        return std::string();
    }
    ShowStatusText("Saving RC");
    std::string s;
    // Room for the whole script at once, as for the KVL file: about the size
    // of the script that was read, an eighth more for sections that grew.
    s.reserve(psWork->size() + psWork->size() / 8 + 4096);
    bool bData = false;
    bool bStrings = false;
    bool bVersion = false;
    {
        const FullFileScope tBlocks(false);
        for (int32_t l = 1; l <= glRCBlockCnt; ++l) {
            const tBlock& t = gatRCBlock[l];
            switch (t.lType) {
            case wkBlockUser:
                // Taken straight from the work text rather than through a copy of
                // its own; bytes outside the work text (a damaged block row) are
                // left out.
                if (t.lFilePos >= 1 && t.lLen > 0 &&
                    static_cast<size_t>(t.lFilePos) <= psWork->size()) {
                    s.append(*psWork, static_cast<size_t>(t.lFilePos) - 1,
                             static_cast<size_t>(t.lLen));
                }
                break;
            case wkBlockCreated:
                PutLine(s, "//#Wrenkit Created");
                break;
            case wkBlockCopy:
                PutLine(s, "//#Wrenkit Copy");
                break;
            case wkBlockConstants:
                WriteRCConstants(s, tLay);
                break;
            case wkBlockRCData:
                WriteRCData(s, tLay, tDoc);
                bData = true;
                break;
            case wkBlockStrings:
                WriteRCStrings(s, tLay);
                bStrings = true;
                break;
            case wkBlockVersionInfo:
                WriteRCVersionInfo(s, tLay);
                bVersion = true;
                break;
            default:
                break;
            }
        }
    }
    // Sections the script lacks are appended; the empty line that ends them is
    // written only then, so that a script saved again unchanged stays the same.
    const size_t lWalked = s.size();
    {
        const FullFileScope tFull(true);
        if (!bData) {
            WriteRCData(s, tLay, tDoc);
        }
        if (!bStrings) {
            WriteRCStrings(s, tLay);
        }
        if (!bVersion) {
            WriteRCVersionInfo(s, tLay);
        }
    }
    if (s.size() != lWalked) {
        PutEmpty(s);
    }
    CloseStatusText();
    return s;
}

std::string BuildRCFile(const tDocument& tDoc, const tWriteLayout& tLay, bool bForSave) {
    if (tDoc.lAsNew == 0) {
        std::string s = BuildUpdatedRCFile(tDoc, tLay);
        if (!s.empty()) {
            return s;
        }
    }
    return BuildNewRCFile(tDoc, tLay, bForSave);
}

std::string RCConstantsSection(const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Constants", tLay, WriteRCConstants);
}

std::string RCDataSection(const tDocument& tDoc, const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Data", tLay, [&tDoc](std::string& s, const tWriteLayout& tLay) {
        WriteRCData(s, tLay, tDoc);
    });
}

std::string RCStringsSection(const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Strings", tLay, WriteRCStrings);
}
