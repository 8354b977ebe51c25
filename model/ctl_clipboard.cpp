#include "model/ctl_clipboard.h"

#include "model/dynstr.h"
#include "model/fonts.h"
#include "model/project.h"

#include <cmath>
#include <cstring>

namespace {

// The largest font size a record may carry: larger ones would overflow the
// font height the system is asked for, and no dialog uses them.
constexpr float kMaxFontSize = 1000.0f;

void PutLong(std::string& s, int32_t l) {
    const auto u = static_cast<uint32_t>(l);
    const char a[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
    s.append(a, 4);
}

void PutByte(std::string& s, uint8_t by) {
    s.push_back(static_cast<char>(by));
}

template <std::size_t N> void PutFixed(std::string& s, const FixedText<N>& t) {
    s.append(t.sz, N + 1);
}

// A reading position that refuses to go past the end it was given.
struct tReader {
    const uint8_t* p;
    std::size_t lLeft;

    bool Has(std::size_t l) const { return l <= lLeft; }
    int32_t Long() {
        const uint32_t u = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
        Skip(4);
        return static_cast<int32_t>(u);
    }
    uint8_t Byte() {
        const uint8_t by = p[0];
        Skip(1);
        return by;
    }
    std::string Text(std::size_t l) {
        std::string s(reinterpret_cast<const char*>(p), l);
        Skip(l);
        return s;
    }
    void Skip(std::size_t l) {
        p += l;
        lLeft -= l;
    }
};

int32_t Damaged(std::string& sError, std::vector<tClipCtl>& atCtl, const std::string& sWhy) {
    atCtl.clear();
    sError = sWhy;
    return wkClipDamaged;
}

} // namespace

std::string EncodeClipControls(const std::vector<tClipCtl>& atCtl) {
    std::string s;
    PutLong(s, 0); // the total length, known at the end
    PutLong(s, wkClipVersion);
    PutLong(s, static_cast<int32_t>(atCtl.size()));
    for (const tClipCtl& c : atCtl) {
        const tDlg& t = c.tRow;
        PutByte(s, t.byDeleted);
        PutLong(s, 0); // lIDElem
        PutLong(s, 0); // lResElem
        PutLong(s, 0); // hWnd
        PutLong(s, static_cast<int32_t>(c.sDataFile.size()));
        PutLong(s, static_cast<int32_t>(c.sCaption.size()));
        PutFixed(s, t.szClass);
        PutLong(s, 0); // lClassElem: the reader finds the class in its own catalog
        PutLong(s, t.lCtlType);
        PutLong(s, t.lStyle);
        PutLong(s, t.lExStyle);
        PutLong(s, static_cast<int32_t>(c.sStyle.size()));
        PutLong(s, static_cast<int32_t>(c.sExStyle.size()));
        PutLong(s, t.nLeft);
        PutLong(s, t.nTop);
        PutLong(s, t.nRight);
        PutLong(s, t.nBottom);
        PutLong(s, 0); // lCtlOrder
        PutLong(s, 0); // lFontElem
        PutByte(s, t.byForeClrUsed);
        PutByte(s, t.byBackClrUsed);
        PutLong(s, t.lForeClr);
        PutLong(s, t.lBackClr);
        s += c.sDataFile;
        s += c.sCaption;
        s += c.sStyle;
        s += c.sExStyle;
        const tFontDesc& f = c.tFont;
        PutFixed(s, f.szFontName);
        int32_t lSize = 0;
        static_assert(sizeof(lSize) == sizeof(f.fFontSize));
        std::memcpy(&lSize, &f.fFontSize, sizeof(lSize));
        PutLong(s, lSize);
        PutLong(s, f.lWeight);
        PutLong(s, f.lUnderline);
        PutLong(s, f.lItalic);
        PutLong(s, f.lStrikeout);
        PutLong(s, f.lCharSet);
    }
    const std::string sLen = [&] {
        std::string t;
        PutLong(t, static_cast<int32_t>(s.size()));
        return t;
    }();
    s.replace(0, 4, sLen);
    return s;
}

int32_t DecodeClipControls(const uint8_t* pData, std::size_t lSize, std::vector<tClipCtl>& atCtl,
                           std::string& sError) {
    atCtl.clear();
    sError.clear();
    if (!pData || lSize == 0) {
        return wkClipIgnored;
    }
    if (lSize < wkClipHeaderLen) {
        return Damaged(sError, atCtl, "the data are shorter than their header");
    }
    tReader r{pData, lSize};
    const int64_t lTotal = static_cast<uint32_t>(r.Long());
    const int32_t lVersion = r.Long();
    const int32_t lCount = r.Long();
    if (lVersion != wkClipVersion) {
        // Another version's layout is unknown; it is left alone without a word.
        return wkClipIgnored;
    }
    if (lTotal < static_cast<int64_t>(wkClipHeaderLen) || lTotal > static_cast<int64_t>(lSize)) {
        return Damaged(sError, atCtl, "the length in the header does not match the data");
    }
    r.lLeft = static_cast<std::size_t>(lTotal) - wkClipHeaderLen;
    constexpr std::size_t kLeast = wkClipRowLen + wkClipFontLen;
    if (lCount < 0 || static_cast<std::size_t>(lCount) > r.lLeft / kLeast) {
        return Damaged(sError, atCtl, "the number of controls does not match the length");
    }
    atCtl.reserve(static_cast<std::size_t>(lCount));
    for (int32_t i = 1; i <= lCount; ++i) {
        const std::string sRecord = "control " + std::to_string(i) + " ";
        if (!r.Has(wkClipRowLen)) {
            return Damaged(sError, atCtl, sRecord + "does not fit in the data");
        }
        tClipCtl c{};
        tDlg& t = c.tRow;
        r.Byte();   // byDeleted: a pasted row is live
        r.Skip(12); // lIDElem, lResElem, hWnd
        const int64_t lDataLen = r.Long();
        const int64_t lCaptionLen = r.Long();
        if (!std::memchr(r.p, 0, t.szClass.Capacity() + 1)) {
            return Damaged(sError, atCtl, sRecord + "has a class name without its end");
        }
        t.szClass = std::string_view(reinterpret_cast<const char*>(r.p));
        r.Skip(t.szClass.Capacity() + 1);
        r.Skip(4); // lClassElem
        t.lCtlType = r.Long();
        t.lStyle = r.Long();
        t.lExStyle = r.Long();
        const int64_t lStyleLen = r.Long();
        const int64_t lExStyleLen = r.Long();
        t.nLeft = r.Long();
        t.nTop = r.Long();
        t.nRight = r.Long();
        t.nBottom = r.Long();
        r.Skip(8); // lCtlOrder, lFontElem
        t.byForeClrUsed = r.Byte();
        t.byBackClrUsed = r.Byte();
        t.lForeClr = r.Long();
        t.lBackClr = r.Long();
        // A dialog row (kind 0) is no control: pasted, it would give the
        // dialog a second dialog row.
        if (t.lCtlType < 1 || t.lCtlType > 29) {
            return Damaged(sError, atCtl, sRecord + "is of no known kind");
        }
        if (lDataLen < 0 || lCaptionLen < 0 || lStyleLen < 0 || lExStyleLen < 0 ||
            lDataLen + lCaptionLen + lStyleLen + lExStyleLen + static_cast<int64_t>(wkClipFontLen) >
                static_cast<int64_t>(r.lLeft)) {
            return Damaged(sError, atCtl, sRecord + "has texts longer than the data");
        }
        c.sDataFile = r.Text(static_cast<std::size_t>(lDataLen));
        c.sCaption = r.Text(static_cast<std::size_t>(lCaptionLen));
        c.sStyle = r.Text(static_cast<std::size_t>(lStyleLen));
        c.sExStyle = r.Text(static_cast<std::size_t>(lExStyleLen));
        tFontDesc& f = c.tFont;
        // A face name without its end is cut to the field's 31 characters.
        f.szFontName =
            std::string_view(reinterpret_cast<const char*>(r.p), f.szFontName.Capacity());
        r.Skip(f.szFontName.Capacity() + 1);
        const int32_t lBits = r.Long();
        std::memcpy(&f.fFontSize, &lBits, sizeof(lBits));
        if (!std::isfinite(f.fFontSize) || f.fFontSize < 0 || f.fFontSize > kMaxFontSize) {
            return Damaged(sError, atCtl, sRecord + "has a font size out of range");
        }
        f.lWeight = r.Long();
        f.lUnderline = r.Long();
        f.lItalic = r.Long();
        f.lStrikeout = r.Long();
        f.lCharSet = r.Long();
        atCtl.push_back(std::move(c));
    }
    if (r.lLeft != 0) {
        return Damaged(sError, atCtl, "the number of controls does not match the length");
    }
    return wkClipOk;
}

tClipCtl ClipControlFromRow(int32_t lElem) {
    tClipCtl c{};
    const tDlg& t = gatDlg[lElem];
    c.tRow.szClass = t.szClass;
    c.tRow.lCtlType = t.lCtlType;
    c.tRow.lStyle = t.lStyle;
    c.tRow.lExStyle = t.lExStyle;
    c.tRow.nLeft = t.nLeft;
    c.tRow.nTop = t.nTop;
    c.tRow.nRight = t.nRight;
    c.tRow.nBottom = t.nBottom;
    c.tRow.byForeClrUsed = t.byForeClrUsed;
    c.tRow.byBackClrUsed = t.byBackClrUsed;
    c.tRow.lForeClr = t.lForeClr;
    c.tRow.lBackClr = t.lBackClr;
    if (t.lDataResElem) {
        c.sDataFile = DataFileName(lElem);
    }
    c.sCaption = GetDynStr(t.lCaptionElem);
    c.sStyle = GetDynStr(t.lStyleStrElem);
    c.sExStyle = GetDynStr(t.lExStyleStrElem);
    FontDescription(t.lFontElem, c.tFont);
    return c;
}
