#include "model/dynstr.h"

#include "model/change_notice.h"

#include <utility>

Table<std::string> gasDynStr;
constinit const int32_t& glDynStrCnt = gasDynStr.CountRef();
int32_t glDynStrBase = 0;

int32_t AddDynStr(const std::string& sText) {
    NoteChange(wkChgText, glDynStrCnt + 1, 1);
    return gasDynStr.Add(sText);
}

std::string GetDynStr(int32_t lElem) {
    return gasDynStr[lElem];
}

std::string_view DynStrView(int32_t lElem) {
    return std::as_const(gasDynStr)[lElem];
}

void SetDynStr(int32_t& lElem, const std::string& sText) {
    if (!sText.empty()) {
        if (gasDynStr.InRange(lElem)) {
            gasDynStr.W(lElem) = sText;
            NoteChange(wkChgText, lElem, 1);
        } else {
            lElem = AddDynStr(sText);
        }
        return;
    }
    // An empty text is always element 0, never an element holding "".
    if (gasDynStr.InRange(lElem)) {
        std::string().swap(gasDynStr.W(lElem));
        NoteChange(wkChgText, lElem, 1);
    }
    lElem = 0;
}

int32_t FreeDynStr(int32_t& lElem) {
    if (!gasDynStr.InRange(lElem)) {
        return 0;
    }
    std::string().swap(gasDynStr.W(lElem));
    NoteChange(wkChgText, lElem, 1);
    lElem = 0;
    return 1;
}
