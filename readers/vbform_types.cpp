// Object types of form files and the control kinds they give.
#include "readers/vbform_parts.h"
#include "readers/vbform_text.h"

#include "styles/control_kinds.h"

namespace {

struct tTypeKind {
    const char* szType;
    int32_t lKind;
};

// The libraries of the common controls were renamed between designer
// generations ("ComctlLib" became "MSComctlLib", "ComCtl2" became
// "MSComCtl2"); a form from either names the same controls, so both are here.
const tTypeKind katTypes[] = {
    {"VB.Image", wkCtlImage},
    {"VB.PictureBox", wkCtlImage},
    {"VB.Label", wkCtlLabel},
    {"VB.TextBox", wkCtlTextBox},
    {"VB.Frame", wkCtlFrame},
    {"VB.CommandButton", wkCtlButton},
    {"VB.CheckBox", wkCtlCheckBox},
    {"VB.OptionButton", wkCtlOption},
    {"VB.ComboBox", wkCtlComboBox},
    {"VB.ListBox", wkCtlListBox},
    {"VB.HScrollBar", wkCtlHScrollBar},
    {"VB.VScrollBar", wkCtlVScrollBar},
    {"VB.Line", wkCtlLine},
    {"ComCtl2.UpDown", wkCtlUpDown},
    {"MSComCtl2.UpDown", wkCtlUpDown},
    {"ComctlLib.ProgressBar", wkCtlProgress},
    {"MSComctlLib.ProgressBar", wkCtlProgress},
    {"ComctlLib.Slider", wkCtlTrackbar},
    {"MSComctlLib.Slider", wkCtlTrackbar},
    {"ComctlLib.ListView", wkCtlListView},
    {"MSComctlLib.ListView", wkCtlListView},
    {"ComctlLib.TreeView", wkCtlTreeView},
    {"MSComctlLib.TreeView", wkCtlTreeView},
    {"ComctlLib.TabStrip", wkCtlTab},
    {"MSComctlLib.TabStrip", wkCtlTab},
    {"ComCtl2.Animation", wkCtlAnimate},
    {"MSComCtl2.Animation", wkCtlAnimate},
    {"RichTextLib.RichTextBox", wkCtlRichEdit},
    {"MSComCtl2.DTPicker", wkCtlDateTime},
    {"MSComCtl2.MonthView", wkCtlMonthCal},
};

} // namespace

std::string VBTypeName(std::string_view sType) {
    if (!sType.empty() && sType.find('.') == std::string_view::npos) {
        return "VB." + std::string(sType);
    }
    return std::string(sType);
}

bool IsVBFormType(std::string_view sType) {
    return SameFormWord(sType, "VB.Form") || SameFormWord(sType, "VB.MDIForm");
}

int32_t VBTypeKind(std::string_view sType) {
    if (IsVBFormType(sType)) {
        return wkCtlDialog;
    }
    for (const tTypeKind& t : katTypes) {
        if (SameFormWord(sType, t.szType)) {
            return t.lKind;
        }
    }
    return wkCtlCustom;
}
