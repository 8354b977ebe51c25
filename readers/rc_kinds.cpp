// Control kinds of resource-script words and classes.
#include "readers/rc_kinds.h"

#include "model/project.h"
#include "readers/rc_lexer.h"
#include "styles/control_kinds.h"

#include <string>

namespace {

struct tWordKind {
    std::string_view sWord;
    int32_t lKind;
};

constexpr tWordKind katWordKinds[] = {
    {"ICON", wkCtlImage},
    {"STATIC", wkCtlLabel},
    {"LTEXT", wkCtlLabel},
    {"RTEXT", wkCtlLabel},
    {"CTEXT", wkCtlLabel},
    {"EDITTEXT", wkCtlTextBox},
    {"BEDIT", wkCtlTextBox},
    {"HEDIT", wkCtlTextBox},
    {"IEDIT", wkCtlTextBox},
    {"EDIT", wkCtlTextBox},
    {"GROUPBOX", wkCtlFrame},
    {"BUTTON", wkCtlButton},
    {"PUSHBOX", wkCtlButton},
    {"PUSHBUTTON", wkCtlButton},
    {"USERBUTTON", wkCtlButton},
    {"DEFPUSHBUTTON", wkCtlButton},
    {"AUTOCHECK", wkCtlCheckBox},
    {"AUTOCHECKBOX", wkCtlCheckBox},
    {"CHECKBOX", wkCtlCheckBox},
    {"3STATE", wkCtlCheck3State},
    {"STATE3", wkCtlCheck3State},
    {"AUTO3", wkCtlCheck3State},
    {"AUTO3STATE", wkCtlCheck3State},
    {"AUTORADIO", wkCtlOption},
    {"AUTORADIOBUTTON", wkCtlOption},
    {"RADIOBUTTON", wkCtlOption},
    {"COMBOBOX", wkCtlComboBox},
    {"LISTBOX", wkCtlListBox},
    {"SCROLLBAR", wkCtlHScrollBar},
    {"MSCTLS_UPDOWN32", wkCtlUpDown},
    {"MSCTLS_PROGRESS32", wkCtlProgress},
    {"MSCTLS_TRACKBAR32", wkCtlTrackbar},
    {"MSCTLS_HOTKEY32", wkCtlHotKey},
    {"SYSLISTVIEW32", wkCtlListView},
    {"SYSTREEVIEW32", wkCtlTreeView},
    {"SYSTABCONTROL32", wkCtlTab},
    {"SYSANIMATE32", wkCtlAnimate},
    {"RICHEDIT", wkCtlRichEdit},
    {"SYSDATETIMEPICK32", wkCtlDateTime},
    {"SYSMONTHCAL32", wkCtlMonthCal},
    {"SYSIPADDRESS32", wkCtlIPAddress},
};

} // namespace

int32_t KindFromRCWord(std::string_view sWord) {
    for (const tWordKind& t : katWordKinds) {
        if (IsRCWord(sWord, t.sWord)) {
            return t.lKind;
        }
    }
    return wkCtlCustom;
}

void KindFromClassAndStyle(tDlg& tRow) {
    const std::string_view sClass = tRow.szClass.view();
    uint32_t lStyle = static_cast<uint32_t>(tRow.lStyle);
    if (IsRCWord(sClass, "EDIT")) {
        tRow.lCtlType = wkCtlTextBox;
    } else if (IsRCWord(sClass, "STATIC")) {
        uint32_t lType = lStyle & 0x1F;
        if ((lType >= 3 && lType <= 9) || lType == 14) {
            tRow.lCtlType = wkCtlImage;
        } else if (lType >= 16 && lType <= 18) {
            tRow.lCtlType = wkCtlLine;
        } else {
            tRow.lCtlType = wkCtlLabel;
        }
    } else if (IsRCWord(sClass, "BUTTON")) {
        switch (lStyle & 0xF) {
        case 9:
            tRow.lCtlType = wkCtlOption;
            break;
        case 3:
            tRow.lCtlType = wkCtlCheckBox;
            break;
        case 6: // the auto three-state style; the plain one (5) stays a Button
            tRow.lCtlType = wkCtlCheck3State;
            break;
        case 7:
            tRow.lCtlType = wkCtlFrame;
            break;
        default:
            tRow.lCtlType = (lStyle & 0xC0) != 0 ? wkCtlImgButton : wkCtlButton;
            break;
        }
    }
}

void KindFromClassAndStyle(int32_t lRow) {
    if (tDlg* p = gatDlg.Ptr(lRow)) {
        KindFromClassAndStyle(*p);
    }
}
