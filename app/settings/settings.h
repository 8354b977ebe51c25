// The program's settings file: its path, the five primitives every
// other part of the program reads and writes it through, the options record with its reading
// rules, the ID name prefixes, window positions, the version editor's options,
// the custom colours and the recent-files list. Everything here is portable and
// goes through the private-profile functions of profile.h.
#pragma once

#include "model/options.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// ---- Path and primitives -----------------------------------------------------

// The settings file of a program file: its path with the last three characters
// replaced by "ini" (C:\Tools\WRENKIT.EXE gives C:\Tools\WRENKIT.ini).
std::string SettingsPathFor(const std::string& sProgramPath);
// The settings file in use: beside the running program, unless another path was
// set (the command-line tool and the tests point it elsewhere).
std::string SettingsPath();
// Sets the settings file for the rest of the run; "" goes back to the default.
void SetSettingsPath(const std::string& sPath);

// Get integer: a missing key, an empty value or text reads as 0.
int32_t SettingsGetInt(const std::string& sSection, const std::string& sKey);
// Get text: at most 259 characters (a 260-byte buffer); "" when missing.
std::string SettingsGetText(const std::string& sSection, const std::string& sKey);
// Get section: into the caller's buffer, whose size is its length; returns the
// number of characters (see ProfileGetSection for the layout).
uint32_t SettingsGetSection(const std::string& sSection, std::vector<char>& acBuf);
// The entries of a section ("key=value" texts) split apart, read through a
// buffer of lBufLen bytes.
std::vector<std::string> SettingsSectionEntries(const std::string& sSection,
                                                uint32_t lBufLen = 32767);
// Write text; returns 0 when the file could not be written.
int32_t SettingsWriteText(const std::string& sSection, const std::string& sKey,
                          const std::string& sValue);
// Delete key.
int32_t SettingsDeleteKey(const std::string& sSection, const std::string& sKey);

// ---- Options -----------------------------------------------------------------

extern const char* const gszOptionsSection; // "Options"

// Reads section "Options" with every default and reading rule (grid rule,
// tab sizes, paste location, wrap position, header comment and import results
// from text, gripper colours from "&H" text). The brush fields are 0.
tOptions ReadOptionsRecord();
// Read options (start-up): gtOptions from the file, then the gripper brushes
// through gpfnMakeGripperBrushes when set, then the ID name prefixes.
void ReadOptions();
// The Win32 program makes the two gripper brushes here (a system colour brush
// or a solid brush by each colour's own high bit). Null in the portable core.
extern void (*gpfnMakeGripperBrushes)(tOptions& tOpt);
// The Options dialog's OK: every key of section "Options" in the
// record's order, numbers in plain decimal, colours as ColorText.
void WriteOptions(const tOptions& tOpt);
// A gripper colour as the file keeps it: "&H" and upper-case hexadecimal
// without leading zeros ("&H80000002", "&HFF8000").
std::string ColorText(uint32_t lColor);

// ---- ID name prefixes ----------------------------------------------------------

// Section "Prefixes", keys "-2" to "29", into gasIDPrefix (empty or missing
// values give the defaults, others are normalised as ID names).
void ReadIDPrefixes();
// Every prefix of gasIDPrefix back to the file (the Options dialog's OK).
void WriteIDPrefixes();

// ---- Window positions (section "Settings") --------------------------------------

enum WkWindowPos : int32_t {
    wkPosMainDlg,       // MainDlgPos: left, top, right, bottom
    wkPosToolboxDlg,    // ToolboxDlgPos: left, top
    wkPosPropertiesDlg, // PropertiesDlgPos: left, top
    wkPosTestModeDlg,   // TestModeDlgPos: left, top; top right corner by default
    wkPosCtrlOrderDlg,  // CtrlOrderDlgPos: as TestModeDlgPos
    wkPosTestMenu,      // TestMenuPos: left, top, right, bottom
};
// The key of a position ("MainDlgPos").
const char* WindowPosKey(WkWindowPos lPos);

// The screen metrics the off-screen rule needs (pixels).
struct tScreenSize {
    int32_t lCxFullScreen; // SM_CXFULLSCREEN
    int32_t lCyFullScreen; // SM_CYFULLSCREEN
    int32_t lCyCaption;    // SM_CYCAPTION
};
// The metrics of the screen in use, through the user seam.
tScreenSize ScreenSizeNow();

struct tWinRect {
    int32_t nLeft;
    int32_t nTop;
    int32_t nRight;
    int32_t nBottom;
};

// What a window does with its stored position.
struct tWinPlacement {
    int32_t lMove; // 1: move to lLeft, lTop; 0: stay where it was created
    int32_t lSize; // 1: also size to lWidth, lHeight (the four-number keys)
    int32_t lLeft;
    int32_t lTop;
    int32_t lWidth;
    int32_t lHeight;
};

// The off-screen rule: a left beyond the screen width less a caption height
// becomes 0, so does a top beyond the screen height less a caption height.
// Returns 1 when either was beyond.
int32_t ApplyOffScreenRule(int32_t& lLeft, int32_t& lTop, const tScreenSize& tScreen);
// The placement a stored text gives (a pure function of the text and the
// screen): numbers separated by commas, missing ones 0; an empty text leaves
// the window where it is, except that the test-mode and tab order windows go to
// the top right corner (lWindowWidth is their width) when the text is empty or
// the position off screen.
tWinPlacement PlacementFromText(WkWindowPos lPos, const std::string& sText,
                                const tScreenSize& tScreen, int32_t lWindowWidth = 0);
// Restore window position: the stored text through PlacementFromText. The main
// window is not moved while MainDlgMax is non-zero.
tWinPlacement ReadWindowPos(WkWindowPos lPos, const tScreenSize& tScreen, int32_t lWindowWidth = 0);
// Save window position: the rectangle's left and top, or all four numbers
// for the main window and the menu test window.
void SaveWindowPos(WkWindowPos lPos, const tWinRect& tRect);
// The main window at close: MainDlgMax "1" or "0", and MainDlgPos only when
// the window is not maximised.
void SaveMainDlgPos(int32_t lMaximized, const tWinRect& tRect);
// MainDlgMax as stored (non-zero: start maximised).
int32_t ReadMainDlgMax();

// ---- Version editor options and custom colours ----------------------------------

struct tVersionOptions {
    int32_t lIncrement;  // 0 both versions, 1 file version only, 2 product version only
    int32_t lAutoUpdate; // 1 on, 0 off
    int32_t lAutoFormat;
};
// Section "VersionOptions": an Increment other than 1 or 2 is 0; AutoUpdate and
// AutoFormat are on unless their text reads as 0.
tVersionOptions ReadVersionOptions();
void WriteVersionOptions(const tVersionOptions& tOpt);

using tCustomColors = std::array<uint32_t, 16>;
// Section "CustomColors", keys "1" to "16": six hexadecimal digits each; a
// missing key leaves the slot 0.
tCustomColors ReadCustomColors();
// Writes back only the slots whose value changed, as six upper-case
// hexadecimal digits ("FF8000").
void WriteCustomColors(const tCustomColors& alBefore, const tCustomColors& alAfter);

// ---- Recent files ---------------------------------------------------------------

extern const char* const gszMruSection; // "MRU Files"
constexpr int32_t wkMruMax = 9;         // what every caller passes to MruAdd

// Add: a file already listed (compared without regard to case) only moves to
// the front; otherwise it takes the first free letter of the lMax letters from
// "a", or the least recently used letter when none is free.
void MruAdd(const std::string& sPath, const std::string& sSection, const std::string& sFile,
            int32_t lMax);
// Move to front: the letter goes to the front of MRUList (added when missing).
void MruMoveToFront(const std::string& sPath, const std::string& sSection, char chLetter);
// First: 0 when MRUList is empty; else 1, the file of its first letter, and
// that letter in *pchLetter when given (the start for MruNext).
int32_t MruFirst(const std::string& sPath, const std::string& sSection, std::string& sFile,
                 char* pchLetter = nullptr);
// Next: when chLetter is in MRUList and not its last letter, chLetter becomes
// the following letter, sFile its file, and the result 1; otherwise 0.
int32_t MruNext(const std::string& sPath, const std::string& sSection, char& chLetter,
                std::string& sFile);

// The file type a recent file opens with, from the text after the first "."
// of its full path, in lower case: "bas", "bi", "inc" give 1, "rc", "dlg", "h"
// give 2, anything else 0.
int32_t RecentFileType(const std::string& sFile);
// The menu text of the n-th shown entry (n from 0): "&1 C:\a.bas".
std::string RecentMenuText(int32_t n, const std::string& sFile);
// The file name of a menu text: the text from its fourth character on.
std::string RecentFileFromMenuText(const std::string& sText);
