#include "app/settings/settings.h"

#include "app/settings/profile.h"
#include "model/case_blind.h"
#include "model/id_names.h"
#include "model/project.h"
#include "model/user_seam.h"

#include <cstdint>
#include <cstdio>

const char* const gszOptionsSection = "Options";
const char* const gszMruSection = "MRU Files";
void (*gpfnMakeGripperBrushes)(tOptions& tOpt) = nullptr;

namespace {

std::string gsSettingsPath; // set by SetSettingsPath; empty: beside the program

const char* const gszSettingsSection = "Settings";
const char* const gszPrefixesSection = "Prefixes";
const char* const gszVersionSection = "VersionOptions";
const char* const gszColorsSection = "CustomColors";

// The text keys of the options are read as Korvel's Val reads a number.
int32_t TextValue(const std::string& sText) {
    return ValueFromText(sText);
}

std::string HexText(uint32_t lValue, int lDigits) {
    char szBuf[16];
    std::snprintf(szBuf, sizeof szBuf, "%0*X", lDigits, static_cast<unsigned>(lValue));
    return szBuf;
}

// The numbers of a position text, "left,top[,right,bottom]"; missing ones 0.
std::array<int32_t, 4> PositionNumbers(const std::string& sText) {
    std::array<int32_t, 4> alNum{};
    std::size_t lPos = 0;
    for (int32_t& lNum : alNum) {
        if (lPos > sText.size()) {
            break;
        }
        std::size_t lComma = sText.find(',', lPos);
        std::string sField =
            sText.substr(lPos, lComma == std::string::npos ? std::string::npos : lComma - lPos);
        lNum = TextValue(sField);
        lPos = lComma == std::string::npos ? sText.size() + 1 : lComma + 1;
    }
    return alNum;
}

// A difference of two stored numbers, kept within 32 bits for any file.
int32_t ClampedDifference(int32_t lA, int32_t lB) {
    int64_t l = static_cast<int64_t>(lA) - lB;
    if (l > INT32_MAX) {
        return INT32_MAX;
    }
    return l < INT32_MIN ? INT32_MIN : static_cast<int32_t>(l);
}

bool HasFourNumbers(WkWindowPos lPos) {
    return lPos == wkPosMainDlg || lPos == wkPosTestMenu;
}

bool GoesTopRight(WkWindowPos lPos) {
    return lPos == wkPosTestModeDlg || lPos == wkPosCtrlOrderDlg;
}

// MRUList is read into a 27-byte buffer: at most 26 letters.
// The letters of the recent files, most recent first. A hand-edited list may
// repeat a letter; only its first place counts, or walking the list with
// MruNext would go round in a circle for ever.
std::string ReadMruList(const std::string& sPath, const std::string& sSection) {
    const std::string sRaw = ProfileGetString(sPath, sSection, "MRUList", std::string(), 27);
    std::string sList;
    for (char c : sRaw) {
        if (sList.find(c) == std::string::npos) {
            sList += c;
        }
    }
    return sList;
}

std::string ReadMruFile(const std::string& sPath, const std::string& sSection, char chLetter) {
    return ProfileGetString(sPath, sSection, std::string(1, chLetter), std::string(), 260);
}

} // namespace

// ---- Path and primitives -------------------------------------------------------

std::string SettingsPathFor(const std::string& sProgramPath) {
    std::size_t lKeep = sProgramPath.size() >= 3 ? sProgramPath.size() - 3 : 0;
    return sProgramPath.substr(0, lKeep) + "ini";
}

std::string SettingsPath() {
    if (!gsSettingsPath.empty()) {
        return gsSettingsPath;
    }
    return SettingsPathFor(ExecutablePath());
}

void SetSettingsPath(const std::string& sPath) {
    gsSettingsPath = sPath;
}

int32_t SettingsGetInt(const std::string& sSection, const std::string& sKey) {
    return ProfileGetInt(SettingsPath(), sSection, sKey, 0);
}

std::string SettingsGetText(const std::string& sSection, const std::string& sKey) {
    return ProfileGetString(SettingsPath(), sSection, sKey, std::string(), 260);
}

uint32_t SettingsGetSection(const std::string& sSection, std::vector<char>& acBuf) {
    if (acBuf.empty()) {
        return 0;
    }
    return ProfileGetSection(SettingsPath(), sSection, acBuf.data(),
                             static_cast<uint32_t>(acBuf.size()));
}

std::vector<std::string> SettingsSectionEntries(const std::string& sSection, uint32_t lBufLen) {
    std::vector<char> acBuf(lBufLen < 2 ? 2 : lBufLen, 0);
    uint32_t lLen = SettingsGetSection(sSection, acBuf);
    std::vector<std::string> asEntry;
    std::size_t lStart = 0;
    for (std::size_t i = 0; i < lLen; ++i) {
        if (acBuf[i] == 0) {
            asEntry.emplace_back(acBuf.data() + lStart, i - lStart);
            lStart = i + 1;
        }
    }
    if (lStart < lLen) {
        asEntry.emplace_back(acBuf.data() + lStart, lLen - lStart); // a cut last entry
    }
    return asEntry;
}

int32_t SettingsWriteText(const std::string& sSection, const std::string& sKey,
                          const std::string& sValue) {
    return ProfileWriteString(SettingsPath(), sSection, sKey, sValue.c_str());
}

int32_t SettingsDeleteKey(const std::string& sSection, const std::string& sKey) {
    return ProfileWriteString(SettingsPath(), sSection, sKey, nullptr);
}

// ---- Options -------------------------------------------------------------------

tOptions ReadOptionsRecord() {
    const std::string sSec = gszOptionsSection;
    tOptions t = DefaultOptions();
    t.lShowGrid = SettingsGetInt(sSec, "ShowGrid");
    t.lGridX = SettingsGetInt(sSec, "GridX");
    t.lGridY = SettingsGetInt(sSec, "GridY");
    t.lSnapToGrid = SettingsGetInt(sSec, "SnapToGrid");
    ApplyGridRule(t);
    t.lToolbarSize = SettingsGetInt(sSec, "ToolbarSize");
    t.lToolbarText = SettingsGetInt(sSec, "ToolbarText");
    t.lTabSizeKVL = OptionTabSize(SettingsGetInt(sSec, "TabSizeKVL"));
    t.lTabSizeRC = OptionTabSize(SettingsGetInt(sSec, "TabSizeRC"));
    t.byPasteLoc = OptionPasteLoc(SettingsGetInt(sSec, "PasteLoc"));
    t.lWrapPos = OptionWrapPos(SettingsGetInt(sSec, "WrapPos"));
    std::string sText = SettingsGetText(sSec, "HdrComment");
    t.lHdrComment = sText.empty() ? 1 : TextValue(sText);
    sText = SettingsGetText(sSec, "ImportResults");
    t.lImportResults = sText.empty() ? 1 : TextValue(sText);
    sText = SettingsGetText(sSec, "GripperColor1");
    t.lGripperColor1 = sText.empty() ? (wkSysColorFlag | wkColorActiveCaption)
                                     : static_cast<uint32_t>(TextValue(sText));
    sText = SettingsGetText(sSec, "GripperColor2");
    t.lGripperColor2 = sText.empty() ? (wkSysColorFlag | wkColor3DHilight)
                                     : static_cast<uint32_t>(TextValue(sText));
    return t;
}

void ReadOptions() {
    tOptions t = ReadOptionsRecord();
    t.hGripperBrush1 = gtOptions.hGripperBrush1; // the brush maker replaces them
    t.hGripperBrush2 = gtOptions.hGripperBrush2;
    gtOptions = t;
    if (gpfnMakeGripperBrushes) {
        gpfnMakeGripperBrushes(gtOptions);
    }
    ReadIDPrefixes();
}

std::string ColorText(uint32_t lColor) {
    return "&H" + HexText(lColor, 1);
}

void WriteOptions(const tOptions& t) {
    const std::string sSec = gszOptionsSection;
    SettingsWriteText(sSec, "ShowGrid", std::to_string(t.lShowGrid));
    SettingsWriteText(sSec, "GridX", std::to_string(t.lGridX));
    SettingsWriteText(sSec, "GridY", std::to_string(t.lGridY));
    SettingsWriteText(sSec, "SnapToGrid", std::to_string(t.lSnapToGrid));
    SettingsWriteText(sSec, "TabSizeKVL", std::to_string(t.lTabSizeKVL));
    SettingsWriteText(sSec, "TabSizeRC", std::to_string(t.lTabSizeRC));
    SettingsWriteText(sSec, "PasteLoc", std::to_string(t.byPasteLoc));
    SettingsWriteText(sSec, "ToolbarSize", std::to_string(t.lToolbarSize));
    SettingsWriteText(sSec, "ToolbarText", std::to_string(t.lToolbarText));
    SettingsWriteText(sSec, "GripperColor1", ColorText(t.lGripperColor1));
    SettingsWriteText(sSec, "GripperColor2", ColorText(t.lGripperColor2));
    SettingsWriteText(sSec, "WrapPos", std::to_string(t.lWrapPos));
    SettingsWriteText(sSec, "HdrComment", std::to_string(t.lHdrComment));
    SettingsWriteText(sSec, "ImportResults", std::to_string(t.lImportResults));
}

// ---- ID name prefixes -------------------------------------------------------------

void ReadIDPrefixes() {
    for (int32_t i = tIDPrefixTable::lFirst; i <= tIDPrefixTable::lLast; ++i) {
        SetIDPrefix(i, SettingsGetText(gszPrefixesSection, std::to_string(i)));
    }
}

void WriteIDPrefixes() {
    for (int32_t i = tIDPrefixTable::lFirst; i <= tIDPrefixTable::lLast; ++i) {
        SettingsWriteText(gszPrefixesSection, std::to_string(i), gasIDPrefix[i]);
    }
}

// ---- Window positions ------------------------------------------------------------

const char* WindowPosKey(WkWindowPos lPos) {
    switch (lPos) {
    case wkPosMainDlg:
        return "MainDlgPos";
    case wkPosToolboxDlg:
        return "ToolboxDlgPos";
    case wkPosPropertiesDlg:
        return "PropertiesDlgPos";
    case wkPosTestModeDlg:
        return "TestModeDlgPos";
    case wkPosCtrlOrderDlg:
        return "CtrlOrderDlgPos";
    case wkPosTestMenu:
        return "TestMenuPos";
    }
    return "";
}

tScreenSize ScreenSizeNow() {
    // SM_CXFULLSCREEN and SM_CYFULLSCREEN have no name in the seam's list.
    tScreenSize t;
    t.lCxFullScreen = Seam().SystemMetric(static_cast<WkMetric>(16));
    t.lCyFullScreen = Seam().SystemMetric(static_cast<WkMetric>(17));
    t.lCyCaption = Seam().SystemMetric(wkSmCyCaption);
    return t;
}

int32_t ApplyOffScreenRule(int32_t& lLeft, int32_t& lTop, const tScreenSize& tScreen) {
    int32_t lOff = 0;
    if (lLeft > tScreen.lCxFullScreen - tScreen.lCyCaption) {
        lLeft = 0;
        lOff = 1;
    }
    if (lTop > tScreen.lCyFullScreen - tScreen.lCyCaption) {
        lTop = 0;
        lOff = 1;
    }
    return lOff;
}

tWinPlacement PlacementFromText(WkWindowPos lPos, const std::string& sText,
                                const tScreenSize& tScreen, int32_t lWindowWidth) {
    tWinPlacement t{};
    if (!sText.empty()) {
        std::array<int32_t, 4> alNum = PositionNumbers(sText);
        t.lMove = 1;
        t.lLeft = alNum[0];
        t.lTop = alNum[1];
        if (HasFourNumbers(lPos)) {
            t.lSize = 1;
            t.lWidth = ClampedDifference(alNum[2], alNum[0]);
            t.lHeight = ClampedDifference(alNum[3], alNum[1]);
        }
        if (ApplyOffScreenRule(t.lLeft, t.lTop, tScreen) == 0 || !GoesTopRight(lPos)) {
            return t;
        }
    }
    if (GoesTopRight(lPos)) {
        t.lMove = 1;
        t.lLeft = ClampedDifference(tScreen.lCxFullScreen, lWindowWidth);
        t.lTop = 0;
    }
    return t;
}

tWinPlacement ReadWindowPos(WkWindowPos lPos, const tScreenSize& tScreen, int32_t lWindowWidth) {
    if (lPos == wkPosMainDlg && ReadMainDlgMax() != 0) {
        return tWinPlacement{};
    }
    return PlacementFromText(lPos, SettingsGetText(gszSettingsSection, WindowPosKey(lPos)), tScreen,
                             lWindowWidth);
}

void SaveWindowPos(WkWindowPos lPos, const tWinRect& r) {
    std::string sText = std::to_string(r.nLeft) + "," + std::to_string(r.nTop);
    if (HasFourNumbers(lPos)) {
        sText += "," + std::to_string(r.nRight) + "," + std::to_string(r.nBottom);
    }
    SettingsWriteText(gszSettingsSection, WindowPosKey(lPos), sText);
}

void SaveMainDlgPos(int32_t lMaximized, const tWinRect& tRect) {
    SettingsWriteText(gszSettingsSection, "MainDlgMax", lMaximized ? "1" : "0");
    if (!lMaximized) {
        SaveWindowPos(wkPosMainDlg, tRect);
    }
}

int32_t ReadMainDlgMax() {
    return SettingsGetInt(gszSettingsSection, "MainDlgMax");
}

// ---- Version editor options and custom colours --------------------------------------

tVersionOptions ReadVersionOptions() {
    tVersionOptions t{};
    t.lIncrement = SettingsGetInt(gszVersionSection, "Increment");
    if (t.lIncrement != 1 && t.lIncrement != 2) {
        t.lIncrement = 0;
    }
    std::string sText = SettingsGetText(gszVersionSection, "AutoUpdate");
    t.lAutoUpdate = sText.empty() || TextValue(sText) != 0 ? 1 : 0;
    sText = SettingsGetText(gszVersionSection, "AutoFormat");
    t.lAutoFormat = sText.empty() || TextValue(sText) != 0 ? 1 : 0;
    return t;
}

void WriteVersionOptions(const tVersionOptions& t) {
    SettingsWriteText(gszVersionSection, "Increment", std::to_string(t.lIncrement));
    SettingsWriteText(gszVersionSection, "AutoUpdate", t.lAutoUpdate ? "1" : "0");
    SettingsWriteText(gszVersionSection, "AutoFormat", t.lAutoFormat ? "1" : "0");
}

tCustomColors ReadCustomColors() {
    tCustomColors al{};
    for (int32_t i = 0; i < 16; ++i) {
        std::string sText = SettingsGetText(gszColorsSection, std::to_string(i + 1));
        al[static_cast<std::size_t>(i)] = static_cast<uint32_t>(TextValue("&H" + sText));
    }
    return al;
}

void WriteCustomColors(const tCustomColors& alBefore, const tCustomColors& alAfter) {
    for (std::size_t i = 0; i < alAfter.size(); ++i) {
        if (alAfter[i] != alBefore[i]) {
            SettingsWriteText(gszColorsSection, std::to_string(i + 1), HexText(alAfter[i], 6));
        }
    }
}

// ---- Recent files -----------------------------------------------------------------

void MruAdd(const std::string& sPath, const std::string& sSection, const std::string& sFile,
            int32_t lMax) {
    std::string sList = ReadMruList(sPath, sSection);
    for (char chLetter : sList) {
        if (SameTextNoCase(ReadMruFile(sPath, sSection, chLetter), sFile)) {
            MruMoveToFront(sPath, sSection, chLetter);
            return;
        }
    }
    char chFree = 0;
    for (int32_t i = 0; i < lMax && i < 26; ++i) {
        char chLetter = static_cast<char>('a' + i);
        if (sList.find(chLetter) == std::string::npos) {
            chFree = chLetter;
            break;
        }
    }
    if (chFree == 0) {
        if (sList.empty()) {
            return; // no letter allowed at all
        }
        chFree = sList.back(); // the least recently used entry is reused
    }
    ProfileWriteString(sPath, sSection, std::string(1, chFree), sFile.c_str());
    MruMoveToFront(sPath, sSection, chFree);
}

void MruMoveToFront(const std::string& sPath, const std::string& sSection, char chLetter) {
    std::string sList = ReadMruList(sPath, sSection);
    std::size_t lAt = sList.find(chLetter);
    if (lAt != std::string::npos) {
        sList.erase(lAt, 1);
    }
    sList.insert(sList.begin(), chLetter);
    ProfileWriteString(sPath, sSection, "MRUList", sList.c_str());
}

int32_t MruFirst(const std::string& sPath, const std::string& sSection, std::string& sFile,
                 char* pchLetter) {
    std::string sList = ReadMruList(sPath, sSection);
    if (sList.empty()) {
        return 0;
    }
    sFile = ReadMruFile(sPath, sSection, sList[0]);
    if (pchLetter) {
        *pchLetter = sList[0];
    }
    return 1;
}

int32_t MruNext(const std::string& sPath, const std::string& sSection, char& chLetter,
                std::string& sFile) {
    std::string sList = ReadMruList(sPath, sSection);
    std::size_t lAt = sList.find(chLetter);
    if (lAt == std::string::npos || lAt + 1 >= sList.size()) {
        return 0;
    }
    chLetter = sList[lAt + 1];
    sFile = ReadMruFile(sPath, sSection, chLetter);
    return 1;
}

int32_t RecentFileType(const std::string& sFile) {
    std::size_t lDot = sFile.find('.');
    if (lDot == std::string::npos) {
        return 0;
    }
    std::string sExt = sFile.substr(lDot + 1);
    for (char& c : sExt) {
        c = LowerAscii(c);
    }
    if (sExt == "bas" || sExt == "bi" || sExt == "inc") {
        return 1;
    }
    if (sExt == "rc" || sExt == "dlg" || sExt == "h") {
        return 2;
    }
    return 0;
}

std::string RecentMenuText(int32_t n, const std::string& sFile) {
    return "&" + std::to_string(n + 1) + " " + sFile;
}

std::string RecentFileFromMenuText(const std::string& sText) {
    return sText.size() > 3 ? sText.substr(3) : std::string();
}
