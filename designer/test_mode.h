// Test mode: the current dialog run as a real, working dialog built from the
// tables, with a small "Test Mode" window to end it. The tables are never
// changed by a test.
#pragma once

#include <windows.h>

#include <cstdint>

// Command 1043 (Ctrl+T): runs the test modally; returns when it has ended.
void TestDialogCmd(HWND hOwner);
// 1 while a test runs.
int32_t TestRunning();
// The "Test Mode" window while a test runs (0 otherwise).
HWND TestModeWindow();
