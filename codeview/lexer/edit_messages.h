// The window messages of the code editor control EDM32EDIT. They are plain
// numbers so that the settings logic shared with the native tests can name them.
#pragma once

// Load a file: lParam points to its zero-terminated path. Returns the line
// count, or -1 (after notifying the parent) when the file cannot be read.
constexpr unsigned wkEmLoadFile = 0x464;
// Replace the whole text: lParam points to the zero-terminated text.
constexpr unsigned wkEmReplaceText = 0x465;
// Copy the selection to the clipboard (as WM_COPY does).
constexpr unsigned wkEmCopy = 0x483;
// Is lParam (a zero-terminated word) a keyword of the current mode?
constexpr unsigned wkEmIsKeyword = 0x53A;
// Set (wParam) / get the view-only flag.
constexpr unsigned wkEmSetViewOnly = 0x540;
constexpr unsigned wkEmGetViewOnly = 0x541;

// Colour setters: wParam the COLORREF, lParam non-zero to repaint.
constexpr unsigned wkEmSetAsmFore = 0x4B4;
constexpr unsigned wkEmSetBasFore = 0x4B5;
constexpr unsigned wkEmSetRemFore = 0x4B6;
constexpr unsigned wkEmSetStrFore = 0x4B7;
constexpr unsigned wkEmSetWrenkitFore = 0x4B8;
constexpr unsigned wkEmSetMarkFore = 0x4B9;
constexpr unsigned wkEmSetAsmBack = 0x4BA;
constexpr unsigned wkEmSetBasBack = 0x4BB;
constexpr unsigned wkEmSetRemBack = 0x4BC;
constexpr unsigned wkEmSetStrBack = 0x4BD;
constexpr unsigned wkEmSetWrenkitBack = 0x4BE;
constexpr unsigned wkEmSetMarkBack = 0x4BF;
constexpr unsigned wkEmSetWindowBack = 0x4C0;
constexpr unsigned wkEmSetTextFore = 0x4C1;
constexpr unsigned wkEmSetTextBack = 0x4C2;
// Option setters: wParam the value, lParam non-zero to repaint.
constexpr unsigned wkEmSetTabSize = 0x4C3; // columns per tab stop, 1 to 32 (default 8)
constexpr unsigned wkEmSetKeywordCase = 0x4C4;
constexpr unsigned wkEmSetColorSyntax = 0x4C5;
// Each setter 0x4B4..0x4C5 has its getter at the same offset in 0x4E6..0x4F7.
constexpr unsigned wkEmFirstSetting = 0x4B4;
constexpr unsigned wkEmLastSetting = 0x4C5;
constexpr unsigned wkEmGetterOffset = 0x4E6 - 0x4B4;

// The control's own queries (caret, selection, scrolling).
constexpr unsigned wkEmSetMode = 0x48C; // wParam 1, 2 or 4; lParam repaint
constexpr unsigned wkEmGetMode = 0x48D;
constexpr unsigned wkEmGetLineCount = 0x48E;
constexpr unsigned wkEmGetWidestLine = 0x48F; // columns of the widest line (horizontal extent)
constexpr unsigned wkEmGetCaretLine = 0x490;
constexpr unsigned wkEmGetCaretCol = 0x491;
constexpr unsigned wkEmGetAnchorLine = 0x492;
constexpr unsigned wkEmGetAnchorCol = 0x493;
constexpr unsigned wkEmGetTopLine = 0x494;
constexpr unsigned wkEmSetTopLine = 0x495;     // wParam the first visible line
constexpr unsigned wkEmGetMarginWidth = 0x496; // pixels of the left margin
constexpr unsigned wkEmGetCellSize = 0x497;    // MAKELONG(cell width, line height) in pixels
constexpr unsigned wkEmGetLeftColumn = 0x498;

// Notification code sent in WM_COMMAND when creation or a file load fails.
constexpr unsigned wkEnEditFailed = 0x500;
