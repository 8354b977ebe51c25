// The version info editor's changes (see version_edits.h).
#include "model/version_edits.h"

#include "model/changed.h"

int32_t VerEditEnsure(uint32_t lLangCharset, bool bFormat) {
    if (VersionBlockCount() == 0) {
        NewVersionInfo(lLangCharset, bFormat);
        glChanged = 1;
    }
    return VersionBlockCount();
}

namespace {

int32_t SetVersion(const std::string& sText, uint32_t& lMS, uint32_t& lLS) {
    uint32_t lNewMS = 0;
    uint32_t lNewLS = 0;
    if (!ParseVersionText(sText, lNewMS, lNewLS)) {
        return 0;
    }
    if (lNewMS != lMS || lNewLS != lLS) {
        lMS = lNewMS;
        lLS = lNewLS;
        glChanged = 1;
    }
    return 1;
}

void SetField(uint32_t& lField, uint32_t lValue) {
    if (lField != lValue) {
        lField = lValue;
        glChanged = 1;
    }
}

// The subtype lists of drivers and fonts; every other type has only "unknown".
bool SubtypeListed(uint32_t lType, uint32_t lSubtype) {
    if (lType != wkVftDrv && lType != wkVftFont) {
        return lSubtype == 0;
    }
    return VerSubtypeText(lType, lSubtype).rfind("0x", 0) != 0;
}

} // namespace

int32_t VerEditSetFileVersion(const std::string& sText) {
    return SetVersion(sText, gtVersion.lFileVerMS, gtVersion.lFileVerLS);
}

int32_t VerEditSetProductVersion(const std::string& sText) {
    return SetVersion(sText, gtVersion.lProdVerMS, gtVersion.lProdVerLS);
}

void VerEditSetOS(const std::string& sName) {
    SetField(gtVersion.lFileOS, VerOSFromText(sName));
}

void VerEditSetType(const std::string& sName) {
    const uint32_t lType = VerTypeFromText(sName);
    SetField(gtVersion.lFileType, lType);
    if (!SubtypeListed(lType, gtVersion.lFileSubtype)) {
        SetField(gtVersion.lFileSubtype, 0);
    }
}

void VerEditSetSubtype(const std::string& sName) {
    SetField(gtVersion.lFileSubtype, VerSubtypeFromText(sName));
}

void VerEditSetFlags(uint32_t lFlags) {
    constexpr uint32_t lNamed =
        wkVsFfPatched | wkVsFfPrerelease | wkVsFfPrivateBuild | wkVsFfSpecialBuild;
    SetField(gtVersion.lFlags, (gtVersion.lFlags & ~lNamed) | (lFlags & lNamed));
}

int32_t VerEditSetString(int32_t lBlock, const std::string& sName, const std::string& sValue) {
    if (VersionStringValue(lBlock, sName) == sValue) {
        return VersionStringIndex(sName) != 0 && lBlock >= 1 && lBlock <= VersionBlockCount();
    }
    const int32_t lDone = SetVersionStringValue(lBlock, sName, sValue);
    glChanged |= lDone;
    return lDone;
}

int32_t VerEditAddBlock(uint32_t lLangCharset, bool bFormat) {
    glChanged = 1;
    return VersionBlockCount() == 0 ? NewVersionInfo(lLangCharset, bFormat)
                                    : AddDefaultVersionBlock(lLangCharset, bFormat);
}

int32_t VerEditDeleteBlock(int32_t lBlock) {
    const int32_t lDone = DeleteVersionBlock(lBlock);
    glChanged |= lDone;
    return lDone;
}

void VerEditIncrement(VerPart lPart, VerIncrement lWhich, bool bAutoUpdate, bool bFormat) {
    IncrementVersion(lPart, lWhich);
    glChanged = 1;
    if (bAutoUpdate) {
        VerEditUpdateStrings(bFormat);
    }
}

void VerEditUpdateStrings(bool bFormat) {
    if (VersionStringsDiffer(bFormat)) {
        UpdateVersionStrings(bFormat);
        glChanged = 1;
    }
}
