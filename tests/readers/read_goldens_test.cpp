// Every file under tests/data/read/ is read as the open and import commands
// read it (a resource script, a KVL source, a form), and what it read into
// (every row of every table, the version information, the blocks, the work
// texts and the messages) must equal the file's ".tables" golden. A file whose
// name begins with "unmarked-" is a source without blocks: it is imported.
#include "tests/readers/reader_fixture.h"

#include "model/accel_keys.h"
#include "model/fonts.h"
#include "model/version_info.h"
#include "readers/rc_reader.h"
#include "readers/vbform_reader.h"
#include "styles/catalog.h"
#include "tests/support/file_bytes.h"
#include "tests/support/golden.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Bytes as they are, except the ones a diff would hide or break lines on.
std::string Shown(std::string_view s) {
    std::string r = "\"";
    for (unsigned char c : s) {
        if (c == '\\' || c == '"') {
            r += '\\';
            r += static_cast<char>(c);
        } else if (c < 0x20 || c > 0x7E) {
            static const char kszHex[] = "0123456789ABCDEF";
            r += "\\x";
            r += kszHex[c >> 4];
            r += kszHex[c & 15];
        } else {
            r += static_cast<char>(c);
        }
    }
    return r + "\"";
}

std::string Hex(uint32_t l) {
    std::ostringstream o;
    o << "&H" << std::hex << std::uppercase << l;
    return o.str();
}

// A style list by its names, and whether it is the kind's shared default list.
std::string StyleList(int32_t lElem, int32_t lDefault) {
    if (lElem == 0) {
        return "-";
    }
    return "[" + StyleListToText(GetDynStr(lElem)) + (lElem == lDefault ? "] shared" : "]");
}

std::string FontText(int32_t lElem) {
    tFontDesc t{};
    if (lElem == 0 || !FontDescription(lElem, t)) {
        return std::to_string(lElem);
    }
    std::ostringstream o;
    o << lElem << ":" << t.szFontName.view() << " " << t.fFontSize << " " << t.lWeight << " "
      << t.lItalic << t.lUnderline << t.lStrikeout << " " << t.lCharSet;
    return o.str();
}

std::string TablesText() {
    std::ostringstream o;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        const tID& t = gatID[l];
        o << "ID " << l << (t.byDeleted ? " deleted " : " ") << t.szIDName.view() << " = "
          << t.lIDValue << " (" << IDValueText(l) << ") used " << t.lUsedBy << "\n";
    }
    for (int32_t l = 1; l <= glResCnt; ++l) {
        const tRes& t = gatRes[l];
        o << "RES " << l << (t.byDeleted ? " deleted " : " ") << t.szIDName.view() << " kind "
          << t.lType << " id " << t.lIDElem << " links " << t.lLinkDlg << "/" << t.lLinkMenu << "/"
          << t.lLinkAccel << " file " << Shown(GetDynStr(t.lRCDataElem)) << "\n";
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        const tCtlDefault& d =
            gatCtlDefault[t.lCtlType >= 0 && t.lCtlType < wkCtlKindCount ? t.lCtlType : 0];
        o << "ROW " << l << (t.byDeleted ? " deleted" : "") << " kind " << t.lCtlType << " id "
          << t.lIDElem << " " << gatID[t.lIDElem].szIDName.view() << " res " << t.lResElem
          << " order " << t.lCtlOrder << " at " << t.nLeft << "," << t.nTop << "," << t.nRight
          << "," << t.nBottom << "\n    caption " << Shown(GetDynStr(t.lCaptionElem)) << " class "
          << Shown(t.szClass.view()) << "/" << t.lClassElem << " data " << t.lDataResElem
          << " font " << FontText(t.lFontElem) << " colours " << int(t.byForeClrUsed) << ":"
          << Hex(static_cast<uint32_t>(t.lForeClr)) << " " << int(t.byBackClrUsed) << ":"
          << Hex(static_cast<uint32_t>(t.lBackClr)) << "\n    style "
          << Hex(static_cast<uint32_t>(t.lStyle)) << " "
          << StyleList(t.lStyleStrElem, d.lStyleStrElem) << "\n    exstyle "
          << Hex(static_cast<uint32_t>(t.lExStyle)) << " "
          << StyleList(t.lExStyleStrElem, d.lExStyleStrElem) << "\n";
    }
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        const tMenu& t = gatMenu[l];
        o << "MENU " << l << (t.byDeleted ? " deleted" : "") << " res " << t.lResElem << " type "
          << t.lType << " level " << t.lLevel << " options "
          << Hex(static_cast<uint32_t>(t.lOptions)) << " id " << t.lIDElem << " "
          << gatID[t.lIDElem].szIDName.view() << " accel " << t.lAccelElem << " str " << t.lStrElem
          << " " << Shown(GetDynStr(t.lCaptionElem)) << "\n";
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        const tAccel& t = gatAccel[l];
        o << "ACCEL " << l << (t.byDeleted ? " deleted" : "") << " res " << t.lResElem << " key "
          << int(t.byKey) << " mods " << int(t.byModifiers) << " id " << t.lIDElem << " "
          << gatID[t.lIDElem].szIDName.view() << " (" << AccelDisplayText(l) << ")\n";
    }
    for (int32_t l = 1; l <= glStrCnt; ++l) {
        const tStr& t = gatStr[l];
        o << "STR " << l << (t.byDeleted ? " deleted" : "") << " id " << t.lIDElem << " "
          << Shown(GetDynStr(t.lStrElem)) << "\n";
    }
    if (VersionBlockCount() > 0) {
        const VersionRecord& v = gtVersion;
        o << "VERSION " << Hex(v.lFileVerMS) << "." << Hex(v.lFileVerLS) << " product "
          << Hex(v.lProdVerMS) << "." << Hex(v.lProdVerLS) << " flags " << Hex(v.lFlagsMask) << "/"
          << Hex(v.lFlags) << " os " << Hex(v.lFileOS) << " type " << Hex(v.lFileType) << "/"
          << Hex(v.lFileSubtype) << "\n";
    }
    for (int32_t lBlock = 1; lBlock <= VersionBlockCount(); ++lBlock) {
        o << "VERSION BLOCK " << Hex(VersionBlockLangCharset(lBlock)) << "\n";
        for (int32_t l = 1; l <= kVerStringsPerBlock; ++l) {
            const std::string sName = VersionStringName(l);
            o << "    " << sName << " " << Shown(VersionStringValue(lBlock, sName)) << "\n";
        }
    }
    for (int32_t l = 1; l <= glBlockCnt; ++l) {
        const tBlock& t = gatBlock[l];
        o << "BLOCK " << t.lType << " res " << t.lResElem << " at " << t.lFilePos << "+" << t.lLen
          << (t.lType == wkBlockUser ? " " + Shown(BlockUserText(t)) : std::string()) << "\n";
    }
    for (int32_t l = 1; l <= glRCBlockCnt; ++l) {
        const tBlock& t = gatRCBlock[l];
        o << "RCBLOCK " << t.lType << " res " << t.lResElem << " at " << t.lFilePos << "+" << t.lLen
          << "\n";
    }
    if (gtDoc.tPreImport.lOpen) {
        o << "PRE-IMPORT TEXT " << Shown(gtDoc.tPreImport.sText) << "\n";
    }
    if (!gtDoc.tWork.sText.empty()) {
        o << "WORK TEXT " << Shown(gtDoc.tWork.sText) << "\n";
    }
    if (const std::string* p = OpenText(gtDoc.tRCWork)) {
        o << "RC WORK TEXT " << Shown(*p) << "\n";
    }
    o << "CURRENT dialog " << gtElem.lResDlg << " menu " << gtElem.lResMenu << " accel "
      << gtElem.lResAccel << " row " << gtElem.lDlg << " control " << gtElem.lCtl << "\n";
    return o.str();
}

using ReadGoldens = ReaderTest;

std::vector<fs::path> InputFiles() {
    std::vector<fs::path> at;
    for (const auto& t : fs::directory_iterator(GoldenPath("read"))) {
        if (t.path().extension() != ".tables") {
            at.push_back(t.path());
        }
    }
    std::sort(at.begin(), at.end());
    return at;
}

} // namespace

TEST_F(ReadGoldens, EveryFileReadsIntoItsTables) {
    const std::vector<fs::path> atFiles = InputFiles();
    ASSERT_FALSE(atFiles.empty());
    for (const fs::path& tPath : atFiles) {
        SCOPED_TRACE(tPath.filename().string());
        TearDown();
        SetUp();
        const std::string sText = ReadAll(tPath);
        // Any other question the reader asks fails the case.
        RecordingSeam tSeam;
        const std::string sName = tPath.filename().string();
        if (sName.starts_with("unmarked-")) {
            tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsYes);
        }
        const std::string sExt = tPath.extension().string();
        int32_t lResult = 0;
        if (sExt == ".rc") {
            lResult = LoadRC(sText, 1, 0, "C:\\proj\\app.rc");
        } else if (sExt == ".frm") {
            lResult = LoadVBForm(sText);
        } else {
            lResult = LoadKVL(sText, 1, 0);
        }
        std::ostringstream o;
        o << "LOAD " << lResult << "\n";
        for (const RecordedEvent& t : tSeam.Events()) {
            static const char* const kaszKind[] = {"ASK", "REPORT", "STATUS"};
            o << kaszKind[t.lKind] << " " << Shown(t.sText) << "\n";
        }
        tSeam.VerifyAllAsked();
        EXPECT_TRUE(MatchesGolden("read/" + sName + ".tables", o.str() + TablesText()));
    }
}
