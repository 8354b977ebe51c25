// Ids of the code viewer's own resources and commands (included by codeview.rc).
#pragma once

// Resources
#define IDA_CODEVIEWER 921 // F7 and Ctrl+F7
#define IDM_CODEVIEWER 922 // the context menu (one popup)

// The editor control inside the viewer
#define IDC_CODEVIEWER_EDIT 1001

// Commands of the viewer's context menu and accelerators
#define IDM_CV_ACTIVATEIDE 1001
#define IDM_CV_OPENINIDE 1002
#define IDM_CV_COPY 1003
#define IDM_CV_SELECTALL 1004
#define IDM_CV_CLOSE 1005
