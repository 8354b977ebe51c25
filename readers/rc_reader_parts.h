// What the statement readers of a resource script share: the ID rules they
// apply to script names and the readers of the resource statements.
#pragma once

#include "readers/rc_lexer.h"

#include <cstdint>
#include <string>

// An ID from a script token (Korvel's rules): "-..." is none; else "%" + the
// name found by name, a predefined ID, or a new ID (a plain number keeps its
// value; other names get the next resource or control value as bResource says).
int32_t RCIDFromToken(const std::string& sToken, bool bResource);
// A #define: a new ID unless one of that name exists (the first definition wins).
void RCDefineID(const std::string& sName, const std::string& sValue);
// After the whole script: strings and accelerator keys whose ID is a menu
// item's become its prompt and its key; the key's table and the item's menu
// are linked.
void RCLinkMenuItems();

// The statements; each starts after the resource's type word.
void ReadRCDialog(tRCScan& tScan, const std::string& sName, bool bEx);
void ReadRCMenu(tRCScan& tScan, const std::string& sName);
void ReadRCAccelerators(tRCScan& tScan, const std::string& sName);
void ReadRCVersionInfo(tRCScan& tScan);
void ReadRCStringTable(tRCScan& tScan);

// Reads up to the opening of the statement's block and consumes it; false when
// the next statement begins first (a resource without a body).
bool SkipToRCBlock(tRCScan& tScan);
// True for the type words of top-level resource statements.
bool IsRCResourceType(const std::string& sUpper);
