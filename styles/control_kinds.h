// Control kinds: the number kept in gatDlg.lCtlType, with each kind's
// toolbox name, KVL keyword, window class, help topic, and the default size and
// styles of a newly drawn control (gatCtlDefault).
#pragma once

#include "model/records.h"

#include <cstdint>
#include <string>
#include <string_view>

enum : int32_t {
    wkCtlDialog = 0,
    wkCtlImage = 1,
    wkCtlImageX = 2,
    wkCtlLabel = 3,
    wkCtlTextBox = 4,
    wkCtlFrame = 5,
    wkCtlButton = 6,
    wkCtlImgButton = 7,
    wkCtlImgButtonX = 8,
    wkCtlCheckBox = 9,
    wkCtlCheck3State = 10,
    wkCtlOption = 11,
    wkCtlComboBox = 12,
    wkCtlListBox = 13,
    wkCtlHScrollBar = 14,
    wkCtlVScrollBar = 15,
    wkCtlLine = 16,
    wkCtlUpDown = 17,
    wkCtlProgress = 18,
    wkCtlTrackbar = 19,
    wkCtlHotKey = 20,
    wkCtlListView = 21,
    wkCtlTreeView = 22,
    wkCtlTab = 23,
    wkCtlAnimate = 24,
    wkCtlRichEdit = 25,
    wkCtlDateTime = 26,
    wkCtlMonthCal = 27,
    wkCtlIPAddress = 28,
    wkCtlCustom = 29,
    wkCtlKindCount = 30,
};

// One row of gatCtlDefault.
struct tCtlDefault {
    int32_t lWidth; // default size, dialog units
    int32_t lHeight;
    int32_t lStyle; // default numeric styles
    int32_t lExStyle;
    int32_t lStyleStrElem;   // gasDynStr element of the default style list; 0 = none
    int32_t lExStyleStrElem; // the same for the extended styles
    int32_t lDesignStyle;    // bits the design surface ORs into the live window
    int32_t lDesignExStyle;
};

// Indexed 0 to 29 by kind.
extern tCtlDefault gatCtlDefault[wkCtlKindCount];

// Fills gatCtlDefault from the catalog (LoadStylesCatalog first);
// the default lists become gasDynStr elements, then glDynStrBase is recorded.
void BuildControlDefaults();

// The program's start as far as the catalog goes: LoadStylesCatalog and
// BuildControlDefaults the first time, nothing after. The defaults' lists must
// be the first dynamic strings (glDynStrBase), so a second build in the same
// process would move every list a project refers to.
void LoadDesignerCatalogOnce();

// The window class of a kind: "DialogStyles" for 0, "Static" for 1, ...; "" for
// 29 and for a number outside 0-29.
std::string CtlTypeClass(int32_t lKind);
// The KVL keyword: "Image", "Label", ...; for kinds 17-28 the class name, or ""
// when lFlag is non-zero; "CustomControl" for 29 ("" with lFlag); "" for 0.
std::string CtlTypeKeyword(int32_t lKind, int32_t lFlag);
// The kind of a keyword or class name, compared in upper case; 29 when none.
// "SCROLLBAR" is always 14 (the reader decides 15 from %SBS_VERT).
int32_t CtlTypeFromKeyword(std::string_view sText);
// The help topic of the compiler's help file for the kind.
std::string CtlTypeHelpTopic(int32_t lKind);
// The toolbox name of the kind ("Image/Picture"); "" for 0.
std::string CtlTypeToolName(int32_t lKind);

// A new row of the kind as every new control starts: its class and class
// section, the kind's default styles (its own copies of the default style
// lists, which DeleteDlgRow may free), the styles every row of its kind has,
// and the default size at 0, 0. Ties to no ID, resource or caption.
tDlg NewKindRow(int32_t lKind);

// The styles the row's live window gets on the design surface.
struct tDesignStyles {
    int32_t lStyle;
    int32_t lExStyle;
};
tDesignStyles DesignWindowStyles(const tDlg& tRow);
tDesignStyles DesignWindowStyles(int32_t lRow);
