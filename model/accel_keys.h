// Accelerator keys: how a key code and its modifier bits are shown to
// the user ("Ctrl+Shift+F5"), written as KVL and RC text, and read back. All
// pure conversions; the hot-key control glue lives with the menu editor.
#pragma once

#include <cstdint>
#include <string>

// The key's display text alone: "F5", "Del", "A"; "" for a code outside the
// table. Keys the table leaves without one get names a user recognises:
// "Left Button", "Right Button", "Break", "Middle Button", "Num 0" … "Num 9",
// "Num *", "Num +", "Num Separator", "Num -", "Num .", "Num /", "Num Lock",
// "Scroll Lock".
std::string AccelKeyDisplay(uint8_t byKey);

// "Ctrl+", "Shift+", "Alt+" as the modifiers say, then the key's display text.
std::string AccelDisplayText(uint8_t byKey, uint8_t byModifiers);
// The same for a gatAccel row; "" for element 0 or one out of range.
std::string AccelDisplayText(int32_t lAccelElem);

// The key as source text: "VK_F5", "VK_DELETE", or the letter or digit in
// double quotes ("\"O\""); "" for a code outside the table.
std::string AccelKeyCode(uint8_t byKey);

// The inverse of AccelKeyCode, with a quoted letter or digit passed without its
// quotes: the VK_ names compare exactly (with case); any other text that sorts
// between "A" and "Z" or between "0" and "9" gives the code of its first
// character; everything else (an unknown "VK_" name too) gives 0.
uint8_t AccelKeyFromCode(const std::string& sText);

// "%FVIRTKEY Or %FCONTROL Or %FSHIFT Or %FALT Or %FNOINVERT" as the bits say.
std::string AccelFlagsKvl(uint8_t byModifiers);
// "VIRTKEY, CONTROL, SHIFT, ALT, NOINVERT" as the bits say.
std::string AccelFlagsRc(uint8_t byModifiers);

// One flag token of source text: "%FCONTROL"/"CONTROL" sets 8, "%FSHIFT"/
// "SHIFT" sets 4, "%FALT"/"ALT" sets &H10 in the returned modifiers; every other
// token returns them unchanged. Blanks around the token and case are ignored.
uint8_t AccelFlagFromKvl(const std::string& sToken, uint8_t byModifiers);
uint8_t AccelFlagFromRc(const std::string& sToken, uint8_t byModifiers);

// A KVL menu caption: every "\t" pair becomes a tab character and every double
// quote is doubled; then, when the item has an accelerator and the text holds
// no tab, a tab and the accelerator's display text are appended.
std::string MenuTextKvl(const std::string& sCaption, bool bHasAccel,
                        const std::string& sAccelDisplay);
// The same for a gatMenu row (its caption and its lAccelElem).
std::string MenuTextKvl(int32_t lMenuElem);

// An RC menu caption: every double quote becomes backslash and double quote;
// then, when the item has an accelerator and the text holds no "\t" pair, the
// two characters "\t" and the accelerator's display text are appended.
std::string MenuTextRc(const std::string& sCaption, bool bHasAccel,
                       const std::string& sAccelDisplay);
std::string MenuTextRc(int32_t lMenuElem);
