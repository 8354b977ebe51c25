// The version info editor's changes (see version_edits.h).
#include "edit/version_edits.h"

#include "model/change_notice.h"

int32_t VerEditEnsure(uint32_t lLangCharset, bool bFormat) {
    tChangeScope tEdit(wkChgVersion);
    if (VersionBlockCount() == 0) {
        NewVersionInfo(lLangCharset, bFormat);
        NoteChange(wkChgVersion);
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
        NoteChange(wkChgVersion);
    }
    return 1;
}

void SetField(uint32_t& lField, uint32_t lValue) {
    if (lField != lValue) {
        lField = lValue;
        NoteChange(wkChgVersion);
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
    tChangeScope tEdit(wkChgVersion);
    return SetVersion(sText, gtVersion.lFileVerMS, gtVersion.lFileVerLS);
}

int32_t VerEditSetProductVersion(const std::string& sText) {
    tChangeScope tEdit(wkChgVersion);
    return SetVersion(sText, gtVersion.lProdVerMS, gtVersion.lProdVerLS);
}

void VerEditSetOS(const std::string& sName) {
    tChangeScope tEdit(wkChgVersion);
    SetField(gtVersion.lFileOS, VerOSFromText(sName));
}

void VerEditSetType(const std::string& sName) {
    tChangeScope tEdit(wkChgVersion);
    const uint32_t lType = VerTypeFromText(sName);
    SetField(gtVersion.lFileType, lType);
    if (!SubtypeListed(lType, gtVersion.lFileSubtype)) {
        SetField(gtVersion.lFileSubtype, 0);
    }
}

void VerEditSetSubtype(const std::string& sName) {
    tChangeScope tEdit(wkChgVersion);
    SetField(gtVersion.lFileSubtype, VerSubtypeFromText(sName));
}

void VerEditSetFlags(uint32_t lFlags) {
    tChangeScope tEdit(wkChgVersion);
    constexpr uint32_t lNamed =
        wkVsFfPatched | wkVsFfPrerelease | wkVsFfPrivateBuild | wkVsFfSpecialBuild;
    SetField(gtVersion.lFlags, (gtVersion.lFlags & ~lNamed) | (lFlags & lNamed));
}

int32_t VerEditSetString(int32_t lBlock, const std::string& sName, const std::string& sValue) {
    tChangeScope tEdit(wkChgVersion);
    if (VersionStringValue(lBlock, sName) == sValue) {
        return VersionStringIndex(sName) != 0 && lBlock >= 1 && lBlock <= VersionBlockCount();
    }
    const int32_t lDone = SetVersionStringValue(lBlock, sName, sValue);
    if (lDone) {
        NoteChange(wkChgVersion);
    }
    return lDone;
}

int32_t VerEditAddBlock(uint32_t lLangCharset, bool bFormat) {
    tChangeScope tEdit(wkChgVersion);
    NoteChange(wkChgVersion);
    return VersionBlockCount() == 0 ? NewVersionInfo(lLangCharset, bFormat)
                                    : AddDefaultVersionBlock(lLangCharset, bFormat);
}

int32_t VerEditDeleteBlock(int32_t lBlock) {
    tChangeScope tEdit(wkChgVersion);
    const int32_t lDone = DeleteVersionBlock(lBlock);
    if (lDone) {
        NoteChange(wkChgVersion);
    }
    return lDone;
}

void VerEditIncrement(VerPart lPart, VerIncrement lWhich, bool bAutoUpdate, bool bFormat) {
    tChangeScope tEdit(wkChgVersion);
    IncrementVersion(lPart, lWhich);
    NoteChange(wkChgVersion);
    if (bAutoUpdate) {
        VerEditUpdateStrings(bFormat);
    }
}

void VerEditUpdateStrings(bool bFormat) {
    tChangeScope tEdit(wkChgVersion);
    if (VersionStringsDiffer(bFormat)) {
        UpdateVersionStrings(bFormat);
        NoteChange(wkChgVersion);
    }
}
