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

std::string ViewText(const tDocument& tDoc, int32_t lView) {
    switch (lView) {
    case wkViewKvl:
        return BuildKvlFile(tDoc, false);
    case wkViewRc:
        return BuildRCFile(tDoc, false);
    case wkViewNewKvl:
        return BuildNewKvlFile(tDoc, false);
    case wkViewNewRc:
        return BuildNewRCFile(tDoc, false);
    case wkViewSdkRc:
        return BuildFullRCFile();
    case wkViewSdkBasic:
        return BuildRCBasicCode();
    default:
        return std::string();
    }
}
