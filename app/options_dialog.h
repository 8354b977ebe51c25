// The Options dialog (command 1052) and its ID Name Prefixes page.
#pragma once

#include <windows.h>

#include <string>

// Opens the modal dialog with the design windows hidden; IDOK when the user
// pressed OK (everything was written to the settings file), else IDCANCEL.
INT_PTR OptionsCmd(HWND hOwner);

// The ID Name Prefixes page inside the Options dialog: one row per prefix
// index -2 to 29 with the prefix and what it names.
HWND CreatePrefixPage(HWND hDlg);
// OK: the rows become the prefixes in use and are written to the settings file.
void ApplyPrefixPage();

// What a prefix index names: "Other Resource", "Menu Item", "Dialog" or
// "Control - " and the control kind's name.
std::string PrefixTypeText(int lIndex);

// The prefix editor "Edit ID Name Prefix": the text normalised as an ID name
// after OK, "" after Cancel.
std::string EditPrefix(HWND hOwner, const std::string& sPrefix);
