#include "writers/view_texts.h"

#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

int32_t ViewFromName(std::string_view sName) {
    static constexpr struct {
        std::string_view sName;
        int32_t lView;
    } katViews[] = {
        {"kvl", wkViewKvl},      {"rc", wkViewRc},        {"new-kvl", wkViewNewKvl},
        {"new-rc", wkViewNewRc}, {"sdk-rc", wkViewSdkRc}, {"sdk-basic", wkViewSdkBasic},
    };
    for (const auto& t : katViews) {
        if (t.sName == sName) {
            return t.lView;
        }
    }
    return wkViewNone;
}

std::string ViewText(const tDocument& tDoc, const tWriteLayout& tLay, int32_t lView) {
    switch (lView) {
    case wkViewKvl:
        return BuildKvlFile(tDoc, tLay, false);
    case wkViewRc:
        return BuildRCFile(tDoc, tLay, false);
    case wkViewNewKvl:
        return BuildNewKvlFile(tDoc, tLay, false);
    case wkViewNewRc:
        return BuildNewRCFile(tDoc, tLay, false);
    case wkViewSdkRc:
        return BuildFullRCFile(tLay);
    case wkViewSdkBasic:
        return BuildRCBasicCode(tLay);
    default:
        return std::string();
    }
}
