// IDs of the objects and menu items of a form, named after them and unique.
#include "readers/vbform_parts.h"

#include "model/project.h"

#include <unordered_map>

namespace {

// Where the numbering of each name stopped during this form. A form (above
// all a damaged or hostile one) may repeat a name thousands of times; going
// on from the last number given, instead of counting up from the name itself
// each time, keeps every name one short step from a free one.
std::unordered_map<std::string, std::string> gasResume;

std::string NameKey(const std::string& sName) {
    std::string s = sName;
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return s;
}

void MakeUnique(int32_t lID, const std::string& sKey, std::string& sName) {
    if (!IsIDNameUnique(lID, sName)) {
        MakeIDNameUnique(lID, sName);
    }
    gasResume[sKey] = sName;
}

// The name to try first for a name made from a form's object.
std::string FirstTry(const std::string& sKey, const std::string& sName) {
    auto it = gasResume.find(sKey);
    return it == gasResume.end() ? sName : it->second;
}

} // namespace

void ResetFormIDNames() {
    gasResume.clear();
}

int32_t NewFormID(std::string_view sText, int32_t lValue, int32_t lUsedBy) {
    const std::string sName = IDNameFromText(sText);
    const std::string sKey = NameKey(sName);
    std::string sTry = FirstTry(sKey, sName);
    const int32_t lID = AddID(sTry, std::to_string(lValue), lUsedBy);
    MakeUnique(lID, sKey, sTry);
    return lID;
}

void RenameFormID(int32_t lID, std::string_view sText) {
    tID* p = gatID.Ptr(lID);
    if (!p) {
        return;
    }
    const std::string sName = IDNameFromText(sText);
    const std::string sKey = NameKey(sName);
    std::string sTry = FirstTry(sKey, sName);
    p->szIDName = sTry;
    MakeUnique(lID, sKey, sTry);
}
