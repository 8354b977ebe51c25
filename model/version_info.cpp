#include "model/version_info.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iterator>
#include <utility>
#include <vector>

VersionRecord gtVersion{};

namespace {

// One string block: its language and code page and the range of its 12 slots
// in the two parallel string arrays.
struct VersionBlock {
    uint32_t lLangCharset;
    int32_t lFirst;
    int32_t lLast;
};

// Element 0 of each array is unused so that block and slot numbers stay 1-based.
std::vector<VersionBlock> gatVerBlock(1);
std::vector<std::string> gasVerName(1);
std::vector<std::string> gasVerValue(1);

const char* const kStringNames[kVerStringsPerBlock] = {
    "Comments",     "CompanyName",    "FileDescription", "FileVersion",
    "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
    "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild"};

struct NamedValue {
    uint32_t lValue;
    const char* sName;
};

const NamedValue kOS[] = {{0, "VOS_UNKNOWN"},
                          {0x10000, "VOS_DOS"},
                          {0x20000, "VOS_OS216"},
                          {0x30000, "VOS_OS232"},
                          {0x40000, "VOS_NT"},
                          {1, "VOS_WINDOWS16"},
                          {2, "VOS_PM16"},
                          {3, "VOS_PM32"},
                          {4, "VOS_WINDOWS32"},
                          {0x10001, "VOS_DOS_WINDOWS16"},
                          {0x10004, "VOS_DOS_WINDOWS32"},
                          {0x20002, "VOS_OS216_PM16"},
                          {0x30003, "VOS_OS232_PM32"},
                          {0x40004, "VOS_NT_WINDOWS32"}};

const NamedValue kType[] = {{0, "VFT_UNKNOWN"},   {1, "VFT_APP"},  {2, "VFT_DLL"},
                            {3, "VFT_DRV"},       {4, "VFT_FONT"}, {5, "VFT_VXD"},
                            {7, "VFT_STATIC_LIB"}};

const NamedValue kDrvSubtype[] = {
    {0, "VFT2_UNKNOWN"},         {0xA, "VFT2_DRV_COMM"},   {1, "VFT2_DRV_PRINTER"},
    {2, "VFT2_DRV_KEYBOARD"},    {3, "VFT2_DRV_LANGUAGE"}, {4, "VFT2_DRV_DISPLAY"},
    {5, "VFT2_DRV_MOUSE"},       {6, "VFT2_DRV_NETWORK"},  {7, "VFT2_DRV_SYSTEM"},
    {8, "VFT2_DRV_INSTALLABLE"}, {9, "VFT2_DRV_SOUND"}};

const NamedValue kFontSubtype[] = {{0, "VFT2_UNKNOWN"},
                                   {1, "VFT2_FONT_RASTER"},
                                   {2, "VFT2_FONT_VECTOR"},
                                   {3, "VFT2_FONT_TRUETYPE"}};

const NamedValue kOtherSubtype[] = {{0, "VFT2_UNKNOWN"}};

// The flags in the order the writer names them; &H1 has no name there.
const NamedValue kFlags[] = {{wkVsFfPatched, "VS_FF_PATCHED"},
                             {wkVsFfPrerelease, "VS_FF_PRERELEASE"},
                             {wkVsFfPrivateBuild, "VS_FF_PRIVATEBUILD"},
                             {wkVsFfSpecialBuild, "VS_FF_SPECIALBUILD"}};

// Read back as well, since scripts written elsewhere may use them.
const NamedValue kExtraFlags[] = {{wkVsFfDebug, "VS_FF_DEBUG"}, {0x10, "VS_FF_INFOINFERRED"}};

const NamedValue kLanguages[] = {{0x0000, "Neutral Language"},
                                 {0x0400, "Process Default Language"},
                                 {0x0401, "Arabic"},
                                 {0x0402, "Bulgarian"},
                                 {0x0403, "Catalan"},
                                 {0x0404, "Traditional Chinese"},
                                 {0x0405, "Czech"},
                                 {0x0406, "Danish"},
                                 {0x0407, "German"},
                                 {0x0408, "Greek"},
                                 {0x0409, "U.S. English"},
                                 {0x040A, "Castilian Spanish"},
                                 {0x040B, "Finnish"},
                                 {0x040C, "French"},
                                 {0x040D, "Hebrew"},
                                 {0x040E, "Hungarian"},
                                 {0x040F, "Icelandic"},
                                 {0x0410, "Italian"},
                                 {0x0411, "Japanese"},
                                 {0x0412, "Korean"},
                                 {0x0413, "Dutch"},
                                 {0x0414, "Norwegian - Bokml"},
                                 {0x0810, "Swiss Italian"},
                                 {0x0813, "Belgian Dutch"},
                                 {0x0814, "Norwegian - Nynorsk"},
                                 {0x0415, "Polish"},
                                 {0x0416, "Brazilian Portuguese"},
                                 {0x0417, "Rhaeto-Romanic"},
                                 {0x0418, "Romanian"},
                                 {0x0419, "Russian"},
                                 {0x041A, "Croato-Serbian (Latin)"},
                                 {0x041B, "Slovak"},
                                 {0x041C, "Albanian"},
                                 {0x041D, "Swedish"},
                                 {0x041E, "Thai"},
                                 {0x041F, "Turkish"},
                                 {0x0420, "Urdu"},
                                 {0x0421, "Bahasa"},
                                 {0x0804, "Simplified Chinese"},
                                 {0x0807, "Swiss German"},
                                 {0x0809, "U.K. English"},
                                 {0x080A, "Mexican Spanish"},
                                 {0x080C, "Belgian French"},
                                 {0x0C0C, "Canadian French"},
                                 {0x100C, "Swiss French"},
                                 {0x0816, "Portuguese"},
                                 {0x081A, "Serbo-Croatian (Cyrillic)"}};

const NamedValue kCodePages[] = {{0, "7-bit ASCII"},
                                 {932, "Japan (Shift - JIS X-0208)"},
                                 {949, "Korea (Shift - KSC 5601)"},
                                 {950, "Taiwan (Big5)"},
                                 {1200, "Unicode"},
                                 {1250, "Latin-2 (Eastern European)"},
                                 {1251, "Cyrillic"},
                                 {1252, "Multilingual"},
                                 {1253, "Greek"},
                                 {1254, "Turkish"},
                                 {1255, "Hebrew"},
                                 {1256, "Arabic"}};

template <size_t N> const char* NameOf(const NamedValue (&aList)[N], uint32_t lValue) {
    for (const NamedValue& t : aList) {
        if (t.lValue == lValue) {
            return t.sName;
        }
    }
    return nullptr;
}

std::string Upper(const std::string& s) {
    std::string r = s;
    for (char& c : r) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return r;
}

std::string Trim(const std::string& s) {
    size_t lBegin = s.find_first_not_of(" \t\r\n");
    if (lBegin == std::string::npos) {
        return std::string();
    }
    size_t lEnd = s.find_last_not_of(" \t\r\n");
    return s.substr(lBegin, lEnd - lBegin + 1);
}

std::string HexText(uint32_t lValue, int lDigits) {
    char szBuf[16];
    std::snprintf(szBuf, sizeof szBuf, "%0*X", lDigits, lValue);
    return szBuf;
}

// A number as the resource script writes it: "0x" or "&H" before hex digits,
// or plain decimal. Sets bOk to false when the text is not a number.
uint32_t NumberFromText(const std::string& sText, bool& bOk) {
    std::string s = Upper(Trim(sText));
    int lBase = 10;
    size_t lPos = 0;
    if (s.rfind("0X", 0) == 0 || s.rfind("&H", 0) == 0) {
        lBase = 16;
        lPos = 2;
    }
    // The resource compiler's long suffix.
    if (!s.empty() && s.back() == 'L') {
        s.pop_back();
    }
    bOk = lPos < s.size();
    uint32_t lValue = 0;
    for (; lPos < s.size(); ++lPos) {
        char c = s[lPos];
        int lDigit;
        if (c >= '0' && c <= '9') {
            lDigit = c - '0';
        } else if (lBase == 16 && c >= 'A' && c <= 'F') {
            lDigit = c - 'A' + 10;
        } else {
            bOk = false;
            return 0;
        }
        lValue = lValue * static_cast<uint32_t>(lBase) + static_cast<uint32_t>(lDigit);
    }
    return lValue;
}

// A constant name from one of the lists or a number; 0 when neither.
template <size_t N> uint32_t ValueFromText(const NamedValue (&aList)[N], const std::string& sText) {
    std::string s = Upper(Trim(sText));
    for (const NamedValue& t : aList) {
        if (s == t.sName) {
            return t.lValue;
        }
    }
    bool bOk;
    uint32_t lValue = NumberFromText(s, bOk);
    return bOk ? lValue : 0;
}

std::string CurrentYearText() {
    std::time_t lNow = std::time(nullptr);
    std::tm tNow{};
#ifdef _WIN32
    localtime_s(&tNow, &lNow);
#else
    localtime_r(&lNow, &tNow);
#endif
    return std::to_string(tNow.tm_year + 1900);
}

int32_t SlotOf(int32_t lBlock, const std::string& sName) {
    if (lBlock < 1 || lBlock > VersionBlockCount()) {
        return 0;
    }
    int32_t lIndex = VersionStringIndex(sName);
    if (lIndex == 0) {
        return 0;
    }
    return gatVerBlock[static_cast<size_t>(lBlock)].lFirst + lIndex - 1;
}

} // namespace

void ResetVersionInfo() {
    gtVersion = VersionRecord{};
    gatVerBlock.assign(1, VersionBlock{});
    gasVerName.assign(1, std::string());
    gasVerValue.assign(1, std::string());
}

namespace {

void PutU32(std::string& s, uint32_t l) {
    s.append(reinterpret_cast<const char*>(&l), sizeof l);
}

bool TakeU32(std::string_view& s, uint32_t& l) {
    if (s.size() < sizeof l) {
        return false;
    }
    std::memcpy(&l, s.data(), sizeof l);
    s.remove_prefix(sizeof l);
    return true;
}

bool TakeText(std::string_view& s, std::string& sText) {
    uint32_t lLen = 0;
    if (!TakeU32(s, lLen) || s.size() < lLen) {
        return false;
    }
    sText.assign(s.substr(0, lLen));
    s.remove_prefix(lLen);
    return true;
}

} // namespace

// Layout: the fixed record, the block count, then per block its language
// and slot range, then every slot's name and value with their lengths.
std::string VersionInfoImage() {
    std::string s(reinterpret_cast<const char*>(&gtVersion), sizeof gtVersion);
    PutU32(s, static_cast<uint32_t>(gatVerBlock.size()));
    for (const VersionBlock& t : gatVerBlock) {
        PutU32(s, t.lLangCharset);
        PutU32(s, static_cast<uint32_t>(t.lFirst));
        PutU32(s, static_cast<uint32_t>(t.lLast));
    }
    PutU32(s, static_cast<uint32_t>(gasVerName.size()));
    for (size_t i = 0; i < gasVerName.size(); ++i) {
        PutU32(s, static_cast<uint32_t>(gasVerName[i].size()));
        s += gasVerName[i];
        PutU32(s, static_cast<uint32_t>(gasVerValue[i].size()));
        s += gasVerValue[i];
    }
    return s;
}

int32_t SetVersionInfoImage(std::string_view sImage) {
    VersionRecord tFixed{};
    if (sImage.size() < sizeof tFixed) {
        return 0;
    }
    std::memcpy(&tFixed, sImage.data(), sizeof tFixed);
    sImage.remove_prefix(sizeof tFixed);
    uint32_t lBlocks = 0;
    if (!TakeU32(sImage, lBlocks) || lBlocks == 0 || lBlocks > sImage.size()) {
        return 0;
    }
    std::vector<VersionBlock> atBlock(lBlocks);
    for (VersionBlock& t : atBlock) {
        uint32_t lFirst = 0;
        uint32_t lLast = 0;
        if (!TakeU32(sImage, t.lLangCharset) || !TakeU32(sImage, lFirst) ||
            !TakeU32(sImage, lLast)) {
            return 0;
        }
        t.lFirst = static_cast<int32_t>(lFirst);
        t.lLast = static_cast<int32_t>(lLast);
    }
    uint32_t lSlots = 0;
    if (!TakeU32(sImage, lSlots) || lSlots == 0 || lSlots > sImage.size()) {
        return 0;
    }
    std::vector<std::string> asName(lSlots);
    std::vector<std::string> asValue(lSlots);
    for (uint32_t i = 0; i < lSlots; ++i) {
        if (!TakeText(sImage, asName[i]) || !TakeText(sImage, asValue[i])) {
            return 0;
        }
    }
    if (!sImage.empty()) {
        return 0;
    }
    for (size_t i = 1; i < atBlock.size(); ++i) {
        if (atBlock[i].lFirst < 1 || atBlock[i].lLast < atBlock[i].lFirst ||
            static_cast<uint32_t>(atBlock[i].lLast) >= lSlots) {
            return 0;
        }
    }
    gtVersion = tFixed;
    gatVerBlock = std::move(atBlock);
    gasVerName = std::move(asName);
    gasVerValue = std::move(asValue);
    return 1;
}

int32_t VersionBlockCount() {
    return static_cast<int32_t>(gatVerBlock.size()) - 1;
}

int32_t NewVersionInfo(uint32_t lLangCharset, bool bFormat) {
    ResetVersionInfo();
    gtVersion.lFileVerMS = 0x10000;
    gtVersion.lFileVerLS = 1;
    gtVersion.lProdVerMS = 0x10000;
    gtVersion.lProdVerLS = 1;
    gtVersion.lFlagsMask = wkVsFfiFileFlagsMask;
    gtVersion.lFlags = 0;
    gtVersion.lFileOS = wkVosWindows32;
    gtVersion.lFileType = wkVftApp;
    gtVersion.lFileSubtype = 0;
    return AddDefaultVersionBlock(lLangCharset, bFormat);
}

int32_t AddVersionBlock(uint32_t lLangCharset) {
    VersionBlock tBlock;
    tBlock.lLangCharset = lLangCharset;
    tBlock.lFirst = static_cast<int32_t>(gasVerName.size());
    tBlock.lLast = tBlock.lFirst + kVerStringsPerBlock - 1;
    for (const char* sName : kStringNames) {
        gasVerName.emplace_back(sName);
        gasVerValue.emplace_back();
    }
    gatVerBlock.push_back(tBlock);
    return VersionBlockCount();
}

int32_t AddDefaultVersionBlock(uint32_t lLangCharset, bool bFormat) {
    int32_t lBlock = AddVersionBlock(lLangCharset);
    SetVersionStringValue(lBlock, "FileVersion", FileVersionText(bFormat));
    SetVersionStringValue(lBlock, "ProductVersion", ProductVersionText(bFormat));
    SetVersionStringValue(lBlock, "LegalCopyright", "Copyright \xA9 " + CurrentYearText());
    return lBlock;
}

int32_t DeleteVersionBlock(int32_t lBlock) {
    if (lBlock < 1 || lBlock > VersionBlockCount()) {
        return 0;
    }
    if (VersionBlockCount() == 1) {
        ResetVersionInfo();
        return 1;
    }
    const VersionBlock tGone = gatVerBlock[static_cast<size_t>(lBlock)];
    const int32_t lSlots = tGone.lLast - tGone.lFirst + 1;
    gasVerName.erase(gasVerName.begin() + tGone.lFirst, gasVerName.begin() + tGone.lLast + 1);
    gasVerValue.erase(gasVerValue.begin() + tGone.lFirst, gasVerValue.begin() + tGone.lLast + 1);
    gatVerBlock.erase(gatVerBlock.begin() + lBlock);
    for (size_t i = 1; i < gatVerBlock.size(); ++i) {
        if (gatVerBlock[i].lFirst > tGone.lLast) {
            gatVerBlock[i].lFirst -= lSlots;
            gatVerBlock[i].lLast -= lSlots;
        }
    }
    return 1;
}

uint32_t VersionBlockLangCharset(int32_t lBlock) {
    if (lBlock < 1 || lBlock > VersionBlockCount()) {
        return 0;
    }
    return gatVerBlock[static_cast<size_t>(lBlock)].lLangCharset;
}

std::string VersionStringName(int32_t lIndex) {
    if (lIndex < 1 || lIndex > kVerStringsPerBlock) {
        return std::string();
    }
    return kStringNames[lIndex - 1];
}

int32_t VersionStringIndex(const std::string& sName) {
    std::string s = Upper(sName);
    for (int32_t i = 0; i < kVerStringsPerBlock; ++i) {
        if (Upper(kStringNames[i]) == s) {
            return i + 1;
        }
    }
    return 0;
}

std::string VersionStringValue(int32_t lBlock, const std::string& sName) {
    int32_t lSlot = SlotOf(lBlock, sName);
    return lSlot ? gasVerValue[static_cast<size_t>(lSlot)] : std::string();
}

int32_t SetVersionStringValue(int32_t lBlock, const std::string& sName, const std::string& sValue) {
    int32_t lSlot = SlotOf(lBlock, sName);
    if (lSlot == 0) {
        return 0;
    }
    gasVerValue[static_cast<size_t>(lSlot)] = sValue;
    return 1;
}

std::string VersionText(uint32_t lMS, uint32_t lLS, bool bFormat) {
    const uint32_t lMajor = lMS >> 16, lMinor = lMS & 0xFFFF;
    const uint32_t lThird = lLS >> 16, lBuild = lLS & 0xFFFF;
    char szBuf[64];
    if (!bFormat) {
        std::snprintf(szBuf, sizeof szBuf, "%u, %u, %u, %u", lMajor, lMinor, lThird, lBuild);
        return szBuf;
    }
    std::snprintf(szBuf, sizeof szBuf, "%u.%02u", lMajor, lMinor);
    std::string s = szBuf;
    if (lLS != 0) {
        if (lThird != 0) {
            std::snprintf(szBuf, sizeof szBuf, ".%04u.%04u", lThird, lBuild);
        } else {
            std::snprintf(szBuf, sizeof szBuf, ".%04u", lBuild);
        }
        s += szBuf;
    }
    return s;
}

std::string FileVersionText(bool bFormat) {
    return VersionText(gtVersion.lFileVerMS, gtVersion.lFileVerLS, bFormat);
}

std::string ProductVersionText(bool bFormat) {
    return VersionText(gtVersion.lProdVerMS, gtVersion.lProdVerLS, bFormat);
}

int32_t ParseVersionText(const std::string& sText, uint32_t& lMS, uint32_t& lLS) {
    uint32_t aPart[4] = {0, 0, 0, 0};
    int lPart = 0;
    size_t lPos = 0;
    const std::string s = Trim(sText);
    while (lPos < s.size()) {
        if (lPart == 4) {
            return 0;
        }
        size_t lEnd = s.find_first_of(",.", lPos);
        std::string sPart =
            Trim(s.substr(lPos, lEnd == std::string::npos ? std::string::npos : lEnd - lPos));
        if (sPart.empty() || sPart.size() > 5 ||
            sPart.find_first_not_of("0123456789") != std::string::npos) {
            return 0;
        }
        unsigned long lValue = std::stoul(sPart);
        if (lValue > 0xFFFF) {
            return 0;
        }
        aPart[lPart++] = static_cast<uint32_t>(lValue);
        if (lEnd == std::string::npos) {
            break;
        }
        lPos = lEnd + 1;
        if (lPos == s.size()) {
            return 0; // a trailing separator
        }
    }
    lMS = (aPart[0] << 16) | aPart[1];
    lLS = (aPart[2] << 16) | aPart[3];
    return 1;
}

void IncrementVersion(VerPart lPart, VerIncrement lWhich) {
    const uint32_t lStep = (lPart == verMajor || lPart == verThird) ? 0x10000 : 1;
    const bool bMS = lPart == verMajor || lPart == verMinor;
    if (lWhich != verIncProduct) {
        (bMS ? gtVersion.lFileVerMS : gtVersion.lFileVerLS) += lStep;
    }
    if (lWhich != verIncFile) {
        (bMS ? gtVersion.lProdVerMS : gtVersion.lProdVerLS) += lStep;
    }
}

void UpdateVersionStrings(bool bFormat) {
    for (int32_t lBlock = 1; lBlock <= VersionBlockCount(); ++lBlock) {
        SetVersionStringValue(lBlock, "FileVersion", FileVersionText(bFormat));
        SetVersionStringValue(lBlock, "ProductVersion", ProductVersionText(bFormat));
    }
}

int32_t VersionStringsDiffer(bool bFormat) {
    for (int32_t lBlock = 1; lBlock <= VersionBlockCount(); ++lBlock) {
        if (VersionStringValue(lBlock, "FileVersion") != FileVersionText(bFormat) ||
            VersionStringValue(lBlock, "ProductVersion") != ProductVersionText(bFormat)) {
            return 1;
        }
    }
    return 0;
}

std::string VerFlagsMaskText(uint32_t lMask) {
    return lMask == wkVsFfiFileFlagsMask ? "VS_FFI_FILEFLAGSMASK" : "0x0";
}

std::string VerFlagsText(uint32_t lFlags) {
    std::string s;
    for (const NamedValue& t : kFlags) {
        if (lFlags & t.lValue) {
            if (!s.empty()) {
                s += " | ";
            }
            s += t.sName;
        }
    }
    return s.empty() ? "0x0" : s;
}

std::string VerOSText(uint32_t lOS) {
    const char* s = NameOf(kOS, lOS);
    return s ? s : "0x" + HexText(lOS, 1);
}

std::string VerTypeText(uint32_t lType) {
    const char* s = NameOf(kType, lType);
    return s ? s : "0x" + HexText(lType, 1);
}

std::string VerSubtypeText(uint32_t lType, uint32_t lSubtype) {
    const char* s = nullptr;
    if (lType == wkVftDrv) {
        s = NameOf(kDrvSubtype, lSubtype);
    } else if (lType == wkVftFont) {
        s = NameOf(kFontSubtype, lSubtype);
    } else {
        return "VFT2_UNKNOWN";
    }
    return s ? s : "0x" + HexText(lSubtype, 1);
}

uint32_t VerFlagsMaskFromText(const std::string& sText) {
    static const NamedValue kMask[] = {{wkVsFfiFileFlagsMask, "VS_FFI_FILEFLAGSMASK"}};
    return ValueFromText(kMask, sText);
}

uint32_t VerFlagsFromText(const std::string& sText) {
    uint32_t lFlags = 0;
    size_t lPos = 0;
    while (lPos <= sText.size()) {
        size_t lEnd = sText.find_first_of("|+", lPos);
        std::string sTerm =
            sText.substr(lPos, lEnd == std::string::npos ? std::string::npos : lEnd - lPos);
        uint32_t lValue = ValueFromText(kFlags, sTerm);
        if (lValue == 0) {
            lValue = ValueFromText(kExtraFlags, sTerm);
        }
        lFlags |= lValue;
        if (lEnd == std::string::npos) {
            break;
        }
        lPos = lEnd + 1;
    }
    return lFlags;
}

uint32_t VerOSFromText(const std::string& sText) {
    // The values 1 to 4 are written with one underscore, but their system
    // names carry two ("VOS__WINDOWS32"); both read the same.
    std::string s = Upper(Trim(sText));
    if (s.rfind("VOS__", 0) == 0) {
        s.erase(4, 1);
    }
    return ValueFromText(kOS, s);
}

uint32_t VerTypeFromText(const std::string& sText) {
    return ValueFromText(kType, sText);
}

uint32_t VerSubtypeFromText(const std::string& sText) {
    std::string s = Upper(Trim(sText));
    if (const uint32_t lDrv = ValueFromText(kDrvSubtype, s); lDrv != 0) {
        return lDrv;
    }
    return ValueFromText(kFontSubtype, s);
}

int32_t VerOSCount() {
    return static_cast<int32_t>(std::size(kOS));
}
std::string VerOSName(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= VerOSCount() ? kOS[lIndex - 1].sName : "";
}
int32_t VerTypeCount() {
    return static_cast<int32_t>(std::size(kType));
}
std::string VerTypeName(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= VerTypeCount() ? kType[lIndex - 1].sName : "";
}

int32_t VerSubtypeCount(uint32_t lType) {
    if (lType == wkVftDrv) {
        return static_cast<int32_t>(std::size(kDrvSubtype));
    }
    if (lType == wkVftFont) {
        return static_cast<int32_t>(std::size(kFontSubtype));
    }
    return 1;
}

std::string VerSubtypeName(uint32_t lType, int32_t lIndex) {
    if (lIndex < 1 || lIndex > VerSubtypeCount(lType)) {
        return std::string();
    }
    const NamedValue* aList = lType == wkVftDrv    ? kDrvSubtype
                              : lType == wkVftFont ? kFontSubtype
                                                   : kOtherSubtype;
    return aList[lIndex - 1].sName;
}

int32_t VerLanguageCount() {
    return static_cast<int32_t>(std::size(kLanguages));
}

std::string VerLanguageItem(int32_t lIndex) {
    if (lIndex < 1 || lIndex > VerLanguageCount()) {
        return std::string();
    }
    const NamedValue& t = kLanguages[lIndex - 1];
    return "0x" + HexText(t.lValue, 4) + " " + t.sName;
}

uint32_t VerLanguageId(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= VerLanguageCount() ? kLanguages[lIndex - 1].lValue : 0;
}

int32_t VerCodePageCount() {
    return static_cast<int32_t>(std::size(kCodePages));
}

std::string VerCodePageItem(int32_t lIndex) {
    if (lIndex < 1 || lIndex > VerCodePageCount()) {
        return std::string();
    }
    const NamedValue& t = kCodePages[lIndex - 1];
    std::string sNumber = std::to_string(t.lValue);
    sNumber.resize(4, ' ');
    return sNumber + " " + t.sName;
}

uint32_t VerCodePageId(int32_t lIndex) {
    return lIndex >= 1 && lIndex <= VerCodePageCount() ? kCodePages[lIndex - 1].lValue : 0;
}

std::string VerLanguageName(uint32_t lLang) {
    const char* s = NameOf(kLanguages, lLang);
    return s ? s : "0x" + HexText(lLang, 4);
}

std::string VerCodePageName(uint32_t lCodePage) {
    const char* s = NameOf(kCodePages, lCodePage);
    return s ? s : std::to_string(lCodePage);
}

std::string VersionBlockHeader(uint32_t lLangCharset) {
    return "(0x" + HexText(lLangCharset, 8) + ") " + VerLanguageName(lLangCharset >> 16) + ", " +
           VerCodePageName(lLangCharset & 0xFFFF);
}
