// What the statement readers of a resource script share: the ID rules they
// apply to script names and the readers of the resource statements.
#pragma once

#include "readers/rc_lexer.h"

#include <cstdint>
#include <string_view>

// An ID from a script name or number (the Korvel rules of IDFromToken, with
// "0x" numbers too); lPrefix is the ID prefix index of the kind hint.
int32_t RCIDFromToken(std::string_view sToken, int32_t lPrefix);
// The name an ID of the script is stored under, with its "%": a name longer
// than an ID name holds is cut, and bumped when that meets another ID, the
// same way for every use of it in one read (ForgetRCLongNames starts a read).
std::string RCStoredName(std::string_view sName);
void ForgetRCLongNames();
// The ID of an argument: a name or number, or an expression of names with
// values and numbers ("IDD_VERFIRST+1"), which gets the ID of its value.
int32_t RCIDFromArg(RCArg aID, int32_t lPrefix);

// The statements; each starts after the resource's type word.
void ReadRCDialog(tRCScan& tScan, std::string_view sName, bool bEx);
// Image controls named an icon or bitmap defined further down the script: they
// show it now, as those named one defined above them do.
void LinkLateImages();
void ReadRCMenu(tRCScan& tScan, std::string_view sName);
void ReadRCAccelerators(tRCScan& tScan, std::string_view sName);
void ReadRCVersionInfo(tRCScan& tScan);
void ReadRCStringTable(tRCScan& tScan);

// Reads up to the opening of the statement's block and consumes it; false when
// the next statement begins first (a resource without a body).
bool SkipToRCBlock(tRCScan& tScan);
// True for the type words of top-level resource statements, in any case.
bool IsRCResourceType(std::string_view sWord);
