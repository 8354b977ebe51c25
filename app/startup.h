// What the program sets up before its main window exists, and takes down
// after it is gone.
#pragma once

#include <windows.h>

#include <cstdint>

struct tOptions;

// Loads the common controls: InitCommonControlsEx when the library has it
// (glComCtlsEx becomes 1), else InitCommonControls. Nothing when the library
// cannot be loaded.
void InitCommonCtls();

// The settings: the options record with its gripper brushes and the ID prefixes.
void ReadStartupOptions();

// The designer: styles catalog from the program's resource, the control
// kinds' defaults, the rich-edit library, font element 1 and the dialog base
// units measured with it.
void InitDesigner();

// Dialog base units of a font (cxChar, cyChar) measured on the screen.
void MeasureBaseUnits(HFONT hFont, int32_t& lCxChar, int32_t& lCyChar);

// The gripper brushes from the two gripper colours: a system colour brush for
// a colour with the high bit set (never deleted), else a solid brush owned here.
void MakeGripperBrushes(tOptions& tOpt);
// WM_SYSCOLORCHANGE: the system-colour brushes are taken afresh.
void RefreshGripperBrushes();

// At the main window's WM_DESTROY: fonts, brushes, the rich-edit library.
void FreeDesignerResources();
