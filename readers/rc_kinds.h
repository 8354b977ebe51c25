// Control kinds of resource-script words and window classes, and the kind a
// row really is once its class and styles are known (a Button class with an
// auto check box style is a CheckBox). Shared by the script and KVL readers.
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string_view>

// The kind of a control word of a dialog body or of a CONTROL class name,
// compared in upper case; 29 (custom control) for anything else.
int32_t KindFromRCWord(std::string_view sWord);
// Refines tRow.lCtlType from its class (szClass) and lStyle.
void KindFromClassAndStyle(tDlg& tRow);
void KindFromClassAndStyle(int32_t lRow);
