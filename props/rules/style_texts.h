// The description line's text per style-page entry.
#pragma once

#include <string_view>

// The sentence for a name of the dialog's page (bDialog) or of a control's
// page, without its "%"; "" for a name no page shows.
const char* StyleText(bool bDialog, std::string_view sName);
