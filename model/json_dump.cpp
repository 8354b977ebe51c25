#include "model/json_dump.h"

#include "model/dynstr.h"
#include "model/fonts.h"
#include "model/project.h"
#include "model/version_info.h"

#include <cstdio>
#include <type_traits>

namespace {

// Writes one object per row: {"name":value,...}. The project's texts are bytes
// in the user's code page, so every byte above 127 is written as its own
// \u00XX: the dump stays valid JSON and says exactly which bytes were read.
class JsonWriter {
  public:
    std::string sOut;

    void Text(const std::string& s) {
        sOut += '"';
        for (unsigned char c : s) {
            switch (c) {
            case '"':
                sOut += "\\\"";
                break;
            case '\\':
                sOut += "\\\\";
                break;
            case '\n':
                sOut += "\\n";
                break;
            case '\r':
                sOut += "\\r";
                break;
            case '\t':
                sOut += "\\t";
                break;
            default:
                if (c < 0x20 || c > 0x7E) {
                    char ac[8];
                    std::snprintf(ac, sizeof(ac), "\\u%04x", c);
                    sOut += ac;
                } else {
                    sOut += static_cast<char>(c);
                }
            }
        }
        sOut += '"';
    }

    void Key(const char* pName) {
        sOut += bFirst ? "" : ",";
        bFirst = false;
        Text(pName);
        sOut += ':';
    }
    template <class N>
    requires std::is_integral_v<N>
    void Field(const char* pName, N l) {
        Key(pName);
        sOut += std::to_string(static_cast<long long>(l));
    }
    void FieldReal(const char* pName, double f) {
        Key(pName);
        char ac[32];
        std::snprintf(ac, sizeof(ac), "%.6g", f);
        sOut += ac;
    }
    void Field(const char* pName, const std::string& s) {
        Key(pName);
        Text(s);
    }
    void BeginObject() {
        sOut += '{';
        bFirst = true;
    }
    void EndObject() {
        sOut += '}';
        bFirst = false;
    }
    // "name":[ ... ] around rows written by fnRow(l) for l = 1..lCount.
    template <class Fn> void Array(const char* pName, int32_t lFirst, int32_t lCount, Fn fnRow) {
        Key(pName);
        sOut += "[\n";
        for (int32_t l = lFirst; l <= lCount; ++l) {
            sOut += "  ";
            BeginObject();
            Field("elem", static_cast<long long>(l));
            fnRow(l);
            EndObject();
            sOut += l < lCount ? ",\n" : "\n";
        }
        sOut += "]";
        bFirst = false;
    }

  private:
    bool bFirst = true;
};

void BlockRows(JsonWriter& tJson, const char* pName, const Table<tBlock>& atBlock) {
    tJson.Array(pName, 1, atBlock.Count(), [&](int32_t l) {
        const tBlock& t = atBlock[l];
        tJson.Field("lType", t.lType);
        tJson.Field("lResElem", t.lResElem);
        tJson.Field("lFilePos", t.lFilePos);
        tJson.Field("lLen", t.lLen);
    });
}

} // namespace

std::string ProjectJson() {
    JsonWriter tJson;
    tJson.BeginObject();
    tJson.sOut += '\n';
    tJson.Array("gatID", 1, glIDCnt, [&](int32_t l) {
        const tID& t = gatID[l];
        tJson.Field("byDeleted", t.byDeleted);
        tJson.Field("lUsedBy", t.lUsedBy);
        tJson.Field("lIDValue", t.lIDValue);
        tJson.Field("szIDName", t.szIDName.str());
        tJson.Field("byHex", t.byHex);
        tJson.Field("byTypeSuffix", t.byTypeSuffix);
    });
    tJson.sOut += '\n';
    tJson.Array("gatRes", 1, glResCnt, [&](int32_t l) {
        const tRes& t = gatRes[l];
        tJson.Field("byDeleted", t.byDeleted);
        tJson.Field("lIDElem", t.lIDElem);
        tJson.Field("lType", t.lType);
        tJson.Field("lLinkDlg", t.lLinkDlg);
        tJson.Field("lLinkMenu", t.lLinkMenu);
        tJson.Field("lLinkAccel", t.lLinkAccel);
        tJson.Field("lRCDataElem", t.lRCDataElem);
        tJson.Field("szIDName", t.szIDName.str());
    });
    tJson.sOut += '\n';
    tJson.Array("gatDlg", 1, glDlgCnt, [&](int32_t l) {
        const tDlg& t = gatDlg[l];
        tJson.Field("byDeleted", t.byDeleted);
        tJson.Field("lIDElem", t.lIDElem);
        tJson.Field("lResElem", t.lResElem);
        tJson.Field("lDataResElem", t.lDataResElem);
        tJson.Field("lCaptionElem", t.lCaptionElem);
        tJson.Field("szClass", t.szClass.str());
        tJson.Field("lClassElem", t.lClassElem);
        tJson.Field("lCtlType", t.lCtlType);
        tJson.Field("lStyle", static_cast<long long>(static_cast<uint32_t>(t.lStyle)));
        tJson.Field("lExStyle", static_cast<long long>(static_cast<uint32_t>(t.lExStyle)));
        tJson.Field("lStyleStrElem", t.lStyleStrElem);
        tJson.Field("lExStyleStrElem", t.lExStyleStrElem);
        tJson.Field("nLeft", t.nLeft);
        tJson.Field("nTop", t.nTop);
        tJson.Field("nRight", t.nRight);
        tJson.Field("nBottom", t.nBottom);
        tJson.Field("lCtlOrder", t.lCtlOrder);
        tJson.Field("lFontElem", t.lFontElem);
        tJson.Field("byForeClrUsed", t.byForeClrUsed);
        tJson.Field("byBackClrUsed", t.byBackClrUsed);
        tJson.Field("lForeClr", t.lForeClr);
        tJson.Field("lBackClr", t.lBackClr);
    });
    tJson.sOut += '\n';
    tJson.Array("gatMenu", 1, glMenuCnt, [&](int32_t l) {
        const tMenu& t = gatMenu[l];
        tJson.Field("byDeleted", t.byDeleted);
        tJson.Field("lIDElem", t.lIDElem);
        tJson.Field("lResElem", t.lResElem);
        tJson.Field("lAccelElem", t.lAccelElem);
        tJson.Field("lStrElem", t.lStrElem);
        tJson.Field("lType", t.lType);
        tJson.Field("lLevel", t.lLevel);
        tJson.Field("lOptions", t.lOptions);
        tJson.Field("lCaptionElem", t.lCaptionElem);
    });
    tJson.sOut += '\n';
    tJson.Array("gatAccel", 1, glAccelCnt, [&](int32_t l) {
        const tAccel& t = gatAccel[l];
        tJson.Field("byDeleted", t.byDeleted);
        tJson.Field("lIDElem", t.lIDElem);
        tJson.Field("lResElem", t.lResElem);
        tJson.Field("byKey", t.byKey);
        tJson.Field("byModifiers", t.byModifiers);
    });
    tJson.sOut += '\n';
    tJson.Array("gatStr", 1, glStrCnt, [&](int32_t l) {
        const tStr& t = gatStr[l];
        tJson.Field("byDeleted", t.byDeleted);
        tJson.Field("lIDElem", t.lIDElem);
        tJson.Field("lStrElem", t.lStrElem);
    });
    tJson.sOut += '\n';
    BlockRows(tJson, "gatBlock", gatBlock);
    tJson.sOut += '\n';
    BlockRows(tJson, "gatRCBlock", gatRCBlock);
    tJson.sOut += '\n';
    tJson.Array("gahFont", 1, ghFontCnt, [&](int32_t l) {
        tFontDesc tDesc{};
        FontDescription(l, tDesc);
        tJson.Field("szFontName", tDesc.szFontName.str());
        tJson.FieldReal("fFontSize", static_cast<double>(tDesc.fFontSize));
        tJson.Field("lWeight", tDesc.lWeight);
        tJson.Field("lUnderline", tDesc.lUnderline);
        tJson.Field("lItalic", tDesc.lItalic);
        tJson.Field("lStrikeout", tDesc.lStrikeout);
        tJson.Field("lCharSet", tDesc.lCharSet);
    });
    tJson.sOut += '\n';
    tJson.Key("gtElem");
    tJson.BeginObject();
    tJson.Field("lResDlg", gtElem.lResDlg);
    tJson.Field("lResMenu", gtElem.lResMenu);
    tJson.Field("lResAccel", gtElem.lResAccel);
    tJson.Field("lDlg", gtElem.lDlg);
    tJson.Field("lCtl", gtElem.lCtl);
    tJson.EndObject();
    tJson.sOut += '\n';
    tJson.Key("version");
    tJson.BeginObject();
    tJson.Field("lFileVerMS", static_cast<long long>(gtVersion.lFileVerMS));
    tJson.Field("lFileVerLS", static_cast<long long>(gtVersion.lFileVerLS));
    tJson.Field("lProdVerMS", static_cast<long long>(gtVersion.lProdVerMS));
    tJson.Field("lProdVerLS", static_cast<long long>(gtVersion.lProdVerLS));
    tJson.Field("lFlagsMask", static_cast<long long>(gtVersion.lFlagsMask));
    tJson.Field("lFlags", static_cast<long long>(gtVersion.lFlags));
    tJson.Field("lFileOS", static_cast<long long>(gtVersion.lFileOS));
    tJson.Field("lFileType", static_cast<long long>(gtVersion.lFileType));
    tJson.Field("lFileSubtype", static_cast<long long>(gtVersion.lFileSubtype));
    tJson.Array("blocks", 1, VersionBlockCount(), [&](int32_t l) {
        tJson.Field("lLangCharset", static_cast<long long>(VersionBlockLangCharset(l)));
        for (int32_t i = 1; i <= kVerStringsPerBlock; ++i) {
            const std::string sName = VersionStringName(i);
            tJson.Field(sName.c_str(), VersionStringValue(l, sName));
        }
    });
    tJson.EndObject();
    // Array's key brings its own comma.
    tJson.sOut += "\n";
    tJson.Array("gasDynStr", glDynStrBase + 1, glDynStrCnt,
                [&](int32_t l) { tJson.Field("text", GetDynStr(l)); });
    tJson.sOut += "\n";
    tJson.EndObject();
    tJson.sOut += "\n";
    return tJson.sOut;
}
