#include "edit/id_tokens.h"

#include "model/id_names.h"
#include "model/name_text.h"
#include "model/project.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

bool IsPlainNumber(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

int32_t IDFromToken(std::string_view sToken, int32_t lPrefix) {
    sToken = TrimText(sToken);
    if (sToken.empty() || sToken[0] == '-') {
        return 0;
    }
    // A name written with its "%" (as the writers write every ID) is looked up
    // as it stands in the text; one without (every ID of a script) gets it in
    // a buffer on the stack, cut to the 32 characters a name is stored with.
    char abMarked[IDNameText::Capacity()];
    std::string_view sName;
    if (sToken[0] == '%') {
        sName = sToken.substr(0, IDNameText::Capacity());
    } else {
        const std::size_t n = std::min(sToken.size(), sizeof abMarked - 1);
        abMarked[0] = '%';
        std::memcpy(abMarked + 1, sToken.data(), n);
        sName = std::string_view(abMarked, n + 1);
    }
    if (int32_t l = FindIDByName(sName)) {
        return l;
    }
    if (int32_t l = AddPredefinedID(sName)) {
        return l;
    }
    const bool bResourceValue = lPrefix >= -2 && lPrefix <= 0;
    const std::string_view sBare = sName.substr(1);
    if (IsPlainNumber(sBare)) {
        // A bare number: an equate named after it with that value, so that the
        // statement can be written back with a name.
        const std::string sNumName =
            (gasIDPrefix[lPrefix] + std::string(sBare)).substr(0, IDNameText::Capacity());
        if (int32_t l = FindIDByName(sNumName)) {
            return l;
        }
        return IsIDNameText(sNumName) ? AddID(sNumName, std::string(sBare), 0) : 0;
    }
    if (!IsIDNameText(sName)) {
        return 0; // an expression is no name the writers could write back
    }
    const int32_t lValue = bResourceValue ? NextResourceIDValue() : NextControlIDValue();
    return AddID(sName, std::to_string(lValue), 0);
}
