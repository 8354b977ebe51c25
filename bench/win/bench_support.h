// What both design-surface benchmarks need: a millisecond clock and a pump
// that lets the windows handle what a step posted to them.
#pragma once

#include <windows.h>

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
