// The main window's toolbar, status bar and workspace.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The toolbar of 19 buttons: small images, or large ones with labels when the
// options ask for them (read at start only).
HWND CreateMainToolbar(HWND hWnd);
// The status bar with its two icons loaded (set them once the parts exist).
HWND CreateMainStatusBar(HWND hWnd);
void SetStatusIcons();
// The toolbar's images and the status icons (the main window's WM_DESTROY).
void FreeBarResources();
// WM_ERASEBKGND of the main window, also for the transparent toolbar.
void EraseMainBackground(HWND hWnd, HDC hDC);

// The area between toolbar and status bar, in client coordinates.
RECT WorkspaceRect(HWND hWnd);
// Moves the workspace and sets the four status-bar parts.
void LayoutMainWindow(HWND hWnd);
void SetStatusParts(int32_t lWidth);
// The smallest size the main window can be dragged to.
void MainMinMaxInfo(MINMAXINFO& tInfo);

// Status part 0.
void SetStatusHelp(const std::string& sText);
// Hot-item help and tooltips (WM_NOTIFY from the toolbar and its tooltips).
LRESULT MainBarsNotify(const NMHDR& tHdr);
