// What both design-surface benchmarks need: a millisecond clock, a pump
// that lets the windows handle what a step posted to them, and the project
// they time.
#pragma once

#include "edit/resource_edits.h"
#include "model/project.h"
#include "styles/control_kinds.h"

#include <windows.h>

#include <string>

inline double Now() {
    static LARGE_INTEGER tFreq{};
    if (!tFreq.QuadPart) {
        QueryPerformanceFrequency(&tFreq);
    }
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(tFreq.QuadPart);
}

inline void Pump() {
    MSG tMsg;
    while (PeekMessageA(&tMsg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&tMsg);
        DispatchMessageA(&tMsg);
    }
}

// A dialog of lCount controls: the kinds 2 to 28 and 1 in turn, in rows of 50
// cells of 16 by 10 dialog units, large enough to be grabbed between the
// markers of a group. Starting from kind 2 makes the group's leader a picture
// sized to its cell, not one the size of its bitmap. With bIDs each control
// has an ID of its own, as undo and the saved file need.
inline int32_t MakeBenchProject(int32_t lCount, bool bIDs = false) {
    ClearProject();
    const int32_t lRes = NewResource(wkResDialog);
    tDlg tRow = NewKindRow(wkCtlDialog);
    tRow.lIDElem = gatRes[lRes].lIDElem;
    tRow.lResElem = lRes;
    tRow.lFontElem = 1;
    tRow.nLeft = 5;
    tRow.nTop = 5;
    tRow.nRight = 5 + 50 * 16 + 10;
    tRow.nBottom = 5 + (lCount / 50 + 1) * 10 + 10;
    AddDlgRow(tRow);
    for (int32_t i = 0; i < lCount; ++i) {
        tDlg t = NewKindRow(1 + (i + 1) % 28);
        t.lResElem = lRes;
        t.lFontElem = 1;
        t.lCtlOrder = i + 1;
        if (bIDs) {
            t.lIDElem =
                AddID("%IDC_C" + std::to_string(i + 1), std::to_string(1000 + i), wkUsedByDlg);
        }
        t.nLeft = i % 50 * 16;
        t.nTop = i / 50 * 10;
        t.nRight = t.nLeft + 15;
        t.nBottom = t.nTop + 9;
        AddDlgRow(t);
    }
    return lRes;
}
