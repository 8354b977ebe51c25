// What Apply and OK of the Properties dialog do to one gatDlg row, without
// a window: every check first, then the writes. A refused Apply leaves the
// row, its ID and the other tables exactly as they were.
#pragma once

#include "model/records.h"
#include "props/rules/style_pages.h"

#include <cstdint>
#include <string>
#include <vector>

// The fields of the General and Position && Size pages as the user left them.
struct tPropEdit {
    std::string sCaption; // the caption, or the image or AVI file name for kinds 1, 2, 7, 8, 24
    std::string sClass;
    std::string sIDName;
    std::string sIDValue;
    // Controls: the ID names of the combo list, each with the gatID element
    // its item carries (0 for an item that carries none).
    std::vector<std::pair<std::string, int32_t>> atIDList;
    std::string sTabOrder;
    int32_t lFontSet = 0; // tFont was chosen in this dialog
    tLogFont tFont{};
    int32_t lForeClr = -1; // -1: the system colour
    int32_t lBackClr = -1;
    tStylePages tPages;
    std::string sIconFile; // the dialog's icon file
    std::string asPos[4];  // left, top, width, height in dialog units
};

// Which field a refusal puts the focus on.
enum : int32_t {
    wkFieldNone = 0,
    wkFieldIDName,
    wkFieldIDValue,
    wkFieldCaption,
    wkFieldTabOrder,
    wkFieldPosition,
};

struct tPropCheck {
    int32_t lField = wkFieldNone; // wkFieldNone: Apply may write
    std::string sMessage;
    int32_t lInfoIcon = 0;   // the message is information, not a failure
    int32_t lNameFixed = 0;  // sIDName was corrected (shown to the user)
    int32_t lValueFixed = 0; // sIDValue was corrected
};

// The fields a row starts the dialog with.
tPropEdit PropEditFromRow(int32_t lElem);

// The kinds whose caption box holds a file name.
bool CaptionIsFileName(int32_t lKind);
// The kinds whose Color group is enabled.
bool KindHasColors(int32_t lKind);

// Single "&" characters of a caption ("&&" shows one "&" and counts none).
int32_t CountHotKeys(std::string_view sCaption);

// Runs every check of Apply on the fields, correcting the ID name ("%" in
// front) and value (above 65535: the next free value from 1001) in place.
// pfnFileExists answers whether an image or AVI file is there.
tPropCheck CheckProperties(int32_t lElem, tPropEdit& t, bool (*pfnFileExists)(const std::string&));

// Writes checked fields into the row and the ID table and marks the project
// changed. Returns what changed that a live window cannot follow in place
// (class or window styles): 1 when the control must be made anew.
int32_t WriteProperties(int32_t lElem, const tPropEdit& t);

// A warning for the description line: another control of the same dialog
// with this ID value, whose messages the dialog procedure could not tell
// apart; "" when there is none.
std::string IDValueConflict(int32_t lElem, std::string_view sIDName, std::string_view sIDValue);

// The size line of the Font group: points and attributes.
std::string FontSizeLine(const tLogFont& t);
