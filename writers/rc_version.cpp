// The version information of a resource script, and the rule that breaks a
// long version value into adjacent string literals.
#include "model/version_info.h"
#include "writers/kvl_text.h"
#include "writers/rc_text.h"
#include "writers/rc_writer.h"

#include <cstdio>

namespace {

std::string VersionParts(uint32_t lMS, uint32_t lLS) {
    return std::to_string(lMS >> 16) + "," + std::to_string(lMS & 0xFFFF) + "," +
           std::to_string(lLS >> 16) + "," + std::to_string(lLS & 0xFFFF);
}

std::string Hex(uint32_t l, int32_t lDigits) {
    char sz[16];
    std::snprintf(sz, sizeof sz, "%0*X", lDigits, l);
    return sz;
}

// Where a literal's units (single bytes, escapes, "" pairs) begin, for the
// literals that start at or after lFrom; a break may only fall before one.
std::vector<bool> UnitStarts(const std::string& s, size_t lFrom, size_t& lClose) {
    std::vector<bool> ab(s.size() + 1, false);
    bool bIn = false;
    lClose = s.size();
    for (size_t i = lFrom; i < s.size();) {
        if (!bIn) {
            bIn = s[i] == '"';
            ++i;
            continue;
        }
        if (s[i] == '"') {
            if (i + 1 < s.size() && s[i + 1] == '"') {
                ab[i] = true;
                i += 2;
                continue;
            }
            lClose = i;
            bIn = false;
            ++i;
            continue;
        }
        ab[i] = true;
        if (s[i] == '\\' && i + 1 < s.size()) {
            size_t n = 1;
            while (n < 4 && i + n < s.size() && s[i + n] >= '0' && s[i + n] <= '7') {
                ++n;
            }
            i += n == 1 ? 2 : n;
            continue;
        }
        ++i;
    }
    return ab;
}

// The system's headers name the plain Windows and PM values with two
// underscores ("VOS__WINDOWS32"); a single one would not compile.
std::string OSText(uint32_t lOS) {
    std::string s = VerOSText(lOS);
    if (s == "VOS_WINDOWS16" || s == "VOS_PM16" || s == "VOS_PM32" || s == "VOS_WINDOWS32") {
        s.insert(4, "_");
    }
    return s;
}

} // namespace

std::string EscapeRCValue(const std::string& sValue) {
    std::string r;
    for (char c : sValue) {
        unsigned char b = static_cast<unsigned char>(c);
        if (c == '\r') {
            r += "\\r";
        } else if (c == '\n') {
            r += "\\n";
        } else if (c == '\t') {
            r += "\\t";
        } else if (c == '\\') {
            r += "\\\\"; // a lone backslash would start an escape of its own
        } else if (c == '"') {
            r += "\"\""; // a lone quote would end the literal
        } else if (b > 127 || b < 32) {
            char sz[8];
            std::snprintf(sz, sizeof sz, "\\%03o", b);
            r += sz;
        } else {
            r += c;
        }
    }
    return r;
}

std::string WrapRCString(const std::string& sLine, int32_t lWidth, int32_t lTab) {
    // The line is read once and the result appended as it grows: a break never
    // moves the rest of the line, so a value of megabytes takes linear time.
    // Positions below are those of the growing result ("at"); the line's bytes
    // stand lShift further left in sLine, and the opening quote of a continued
    // literal is the last byte of the break itself.
    const std::string& o = sLine;
    const size_t W = static_cast<size_t>(lWidth);
    size_t I = 0;
    while (I < o.size() && o[I] == ' ') {
        ++I;
    }
    const std::string sBreak = "\"\r\n" + std::string(static_cast<size_t>(lTab) + I, ' ') + "\"";
    // The literal that may be broken: the last one of the line.
    size_t lOpen = o.rfind("\", \"");
    lOpen = lOpen == std::string::npos ? o.find('"') : lOpen + 3;
    if (lOpen == std::string::npos) {
        return o;
    }
    // A continued literal starts at a unit start of the line, in the same state
    // of the scan: the units after it are those of the first scan.
    size_t lCloseAt = 0;
    const std::vector<bool> abUnitAt = UnitStarts(o, lOpen, lCloseAt);
    std::string r;
    size_t lShift = 0;    // bytes of breaks before the current literal
    size_t lCopied = 0;   // sLine is in r up to here
    bool bBroken = false; // the current literal opens inside a break
    auto fnAt = [&](size_t k) { return bBroken && k == lOpen ? '"' : o[k - lShift]; };
    auto fnUnit = [&](size_t k) { return abUnitAt[k - lShift]; };
    size_t P = 0;
    while (o.size() + lShift - P > W) {
        const size_t lSize = o.size() + lShift;
        const size_t lClose = lCloseAt + lShift;
        auto fnUnitAtOrBefore = [&](size_t k) {
            while (k > lOpen + 1 && !fnUnit(k)) {
                --k;
            }
            return k;
        };
        size_t lCut = 0; // index where the rest of the literal begins
        size_t k = std::min(P + W, lSize - 1);
        while (k > lOpen && fnAt(k) != ' ' && fnAt(k) != '\\' && fnAt(k) != '"') {
            --k;
        }
        if (k > lOpen && fnAt(k) == ' ') {
            lCut = k + 1;
        } else if (k > lOpen && fnAt(k) == '\\' && fnAt(k - 1) != '"') {
            lCut = fnUnitAtOrBefore(k);
        }
        if (lCut <= lOpen + 1 || lCut >= lClose || !fnUnit(lCut)) {
            lCut = fnUnitAtOrBefore(P + W >= 2 ? P + W - 2 : 0);
        }
        if (lCut <= lOpen + 1 || lCut >= lClose) {
            break; // nothing left to break: the line stays as it is
        }
        r.append(o, lCopied, lCut - lShift - lCopied);
        r += sBreak;
        lCopied = lCut - lShift;
        lShift += sBreak.size();
        bBroken = true;
        P = lCut + 3;
        lOpen = P + static_cast<size_t>(lTab) + I;
    }
    r.append(o, lCopied, std::string::npos);
    return r;
}

void WriteRCVersionInfo(std::string& sOut, const tWriteLayout& tLay) {
    const int32_t lBlocks = VersionBlockCount();
    if (lBlocks == 0 && FullFile()) {
        return;
    }
    if (FullFile()) {
        PutRCTitle(sOut, tLay, "Version Info");
    }
    PutLine(sOut, RCMetaBegin("VersionInfo"));
    if (lBlocks > 0) {
        const std::string U(static_cast<size_t>(tLay.lTabSizeRC), ' ');
        const VersionRecord& t = gtVersion;
        PutLine(sOut, "VS_VERSION_INFO VERSIONINFO");
        PutLine(sOut, " FILEVERSION " + VersionParts(t.lFileVerMS, t.lFileVerLS));
        PutLine(sOut, " PRODUCTVERSION " + VersionParts(t.lProdVerMS, t.lProdVerLS));
        PutLine(sOut, " FILEFLAGSMASK " + VerFlagsMaskText(t.lFlagsMask));
        PutLine(sOut, " FILEFLAGS " + VerFlagsText(t.lFlags));
        PutLine(sOut, " FILEOS " + OSText(t.lFileOS));
        PutLine(sOut, " FILETYPE " + VerTypeText(t.lFileType));
        PutLine(sOut, " FILESUBTYPE " + VerSubtypeText(t.lFileType, t.lFileSubtype));
        PutLine(sOut, "BEGIN");
        PutLine(sOut, U + "BLOCK \"StringFileInfo\"");
        PutLine(sOut, U + "BEGIN");
        std::string sTranslation;
        for (int32_t lBlock = 1; lBlock <= lBlocks; ++lBlock) {
            uint32_t lLangCp = VersionBlockLangCharset(lBlock);
            PutLine(sOut, U + U + "BLOCK \"" + Hex(lLangCp, 8) + "\"");
            PutLine(sOut, U + U + "BEGIN");
            for (int32_t lIndex = 1; lIndex <= kVerStringsPerBlock; ++lIndex) {
                std::string sName = VersionStringName(lIndex);
                std::string sValue = VersionStringValue(lBlock, sName);
                if (sValue.empty()) {
                    continue;
                }
                // A private or special build string is kept but left out of the
                // resource while its flag is clear.
                bool bHide = (sName == "PrivateBuild" && (t.lFlags & wkVsFfPrivateBuild) == 0) ||
                             (sName == "SpecialBuild" && (t.lFlags & wkVsFfSpecialBuild) == 0);
                if (bHide) {
                    PutLine(sOut, "#if 0");
                }
                PutLine(sOut, WrapRCString(U + U + U + "VALUE \"" + sName + "\", \"" +
                                               EscapeRCValue(sValue) + "\\0\"",
                                           tLay.lWrapPos, tLay.lTabSizeRC));
                if (bHide) {
                    PutLine(sOut, "#endif");
                }
            }
            PutLine(sOut, U + U + "END");
            if (!sTranslation.empty()) {
                sTranslation += ", ";
            }
            char sz[32];
            std::snprintf(sz, sizeof sz, "0x%X, %u", lLangCp >> 16, lLangCp & 0xFFFF);
            sTranslation += sz;
        }
        PutLine(sOut, U + "END");
        PutLine(sOut, U + "BLOCK \"VarFileInfo\"");
        PutLine(sOut, U + "BEGIN");
        PutLine(sOut, U + U + "VALUE \"Translation\", " + sTranslation);
        PutLine(sOut, U + "END");
        PutLine(sOut, "END");
    }
    PutLine(sOut, RCMetaEnd("VersionInfo"));
    if (FullFile()) {
        PutEmpty(sOut);
    }
}

std::string RCVersionInfoSection(const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Version Info", tLay, WriteRCVersionInfo);
}
