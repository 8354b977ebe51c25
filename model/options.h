// The options record: what the Options dialog edits and the rest of
// the program reads at run time. It lives here, free of any settings-file or
// Windows code, so that the writers can read TabSizeKVL, WrapPos, HdrComment
// and TabSizeRC without linking the settings library. Reading it from the
// settings file and writing it back is app/settings/settings.h's.
#pragma once

#include <cstdint>

// The high bit of a gripper colour: the low bits are then a system colour index
// (the brush is the system colour brush), otherwise the value is an RGB colour.
constexpr uint32_t wkSysColorFlag = 0x80000000u;
constexpr uint32_t wkColorActiveCaption = 2; // COLOR_ACTIVECAPTION
constexpr uint32_t wkColor3DHilight = 20;    // COLOR_3DHILIGHT

// Fields in the order of the Options section, named as their keys in section "Options".
struct tOptions {
    int32_t lShowGrid;
    int32_t lGridX; // dialog units
    int32_t lGridY;
    int32_t lSnapToGrid;
    int32_t lToolbarSize; // 0 small buttons, non-zero large
    int32_t lToolbarText; // non-zero: labels on large buttons
    int32_t lTabSizeKVL;
    int32_t lTabSizeRC;
    uint8_t byPasteLoc; // 0 below the last control, 1 below the copied ones
    int32_t lWrapPos;   // columns, 60..240
    int32_t lHdrComment;
    int32_t lImportResults;
    uint32_t lGripperColor1; // focus control's grippers
    uint32_t lGripperColor2; // grippers of a group of controls
    // Brushes made from the two colours by the Win32 program (HBRUSH values);
    // 0 in the portable core, which never paints.
    uintptr_t hGripperBrush1;
    uintptr_t hGripperBrush2;
};

// The record in use. It holds the first-start defaults from program start on,
// so code that runs without a settings file (tests, the command-line tool)
// sees the same values as a first start.
extern tOptions gtOptions;

// The first-start values: grid shown 5 by 5 with snapping, small toolbar without
// text, tab sizes 4, paste below the last control, wrap at 80, header comment
// and import results on, gripper colours the active-caption and 3-D highlight
// system colours, no brushes.
// Constant so that gtOptions holds them before any other code runs.
constexpr tOptions DefaultOptions() {
    tOptions t{};
    t.lShowGrid = 1;
    t.lGridX = 5;
    t.lGridY = 5;
    t.lSnapToGrid = 1;
    t.lTabSizeKVL = 4;
    t.lTabSizeRC = 4;
    t.lWrapPos = 80;
    t.lHdrComment = 1;
    t.lImportResults = 1;
    t.lGripperColor1 = wkSysColorFlag | wkColorActiveCaption;
    t.lGripperColor2 = wkSysColorFlag | wkColor3DHilight;
    return t;
}
// gtOptions back to DefaultOptions() (tests; the brushes are the caller's).
void ResetOptions();

// The reading rules, one place for the settings reader and for writers that
// must honour them on a record set by hand:
// a tab size of 0 (or below) is 4, one above 240 is 240;
int32_t OptionTabSize(int32_t lTabSize);
// a wrap position of 0 is 80, then it is kept within 60..240;
int32_t OptionWrapPos(int32_t lWrapPos);
// any non-zero paste location is 1;
uint8_t OptionPasteLoc(int32_t lPasteLoc);
// a grid width or height of 0 (or below) resets all four grid values to the
// first start's.
void ApplyGridRule(tOptions& tOpt);
