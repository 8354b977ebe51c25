// The one way the core reaches the user: ask a question, report a message,
// show or close a status text, and read the few screen metrics that the
// readers need. The Win32 program puts message boxes behind it, the
// command-line tool standard error, and the tests a recording script.
#pragma once

#include <string>

// Buttons of a question; the values are those of the Win32 message box flags
// so that the Win32 seam passes them straight through.
enum WkButtons : unsigned { wkBtnOk = 0x0, wkBtnYesNoCancel = 0x3, wkBtnYesNo = 0x4 };

// Icons of a message, again with the Win32 values.
enum WkIcon : unsigned {
    wkIconExclamation = 0x30,
    wkIconInformation = 0x40,
    wkIconQuestion = 0x20
};

// Answers, with the Win32 dialog-result values.
enum WkAnswer : int { wkAnsOk = 1, wkAnsCancel = 2, wkAnsYes = 6, wkAnsNo = 7 };

// Screen metrics the portable code may ask for (Win32 GetSystemMetrics indexes).
enum WkMetric : int {
    wkSmCyCaption = 4,
    wkSmCxBorder = 5,
    wkSmCyBorder = 6,
    wkSmCxDlgFrame = 7,
    wkSmCyDlgFrame = 8,
    wkSmCxFrame = 32,
    wkSmCyFrame = 33,
    wkSmCySmCaption = 51,
    wkSmCxEdge = 45,
    wkSmCyEdge = 46,
};

struct UserSeam {
    virtual ~UserSeam() = default;
    // A question; lDefault is 1, 2 or 3 for the default button. Returns a WkAnswer.
    virtual int Ask(const std::string& sText, WkButtons lButtons, WkIcon lIcon, int lDefault) = 0;
    // A message with an OK button, titled "Wrenkit".
    virtual void Report(const std::string& sText, WkIcon lIcon) = 0;
    // A status text shown while a long operation runs ("Loading KVL File"); empty closes it.
    virtual void ShowStatus(const std::string& sText) = 0;
    // A Windows metric; the native seams answer with the values of a standard desktop.
    virtual int SystemMetric(WkMetric lIndex);
};

// The seam in use. Until one is installed, a silent seam answers every question
// with its default button, so library code never dereferences null.
UserSeam& Seam();
// Installs a seam (nullptr restores the silent one); returns the previous one.
UserSeam* SetSeam(UserSeam* pSeam);

// Convenience wrappers used throughout the core.
inline int AskUser(const std::string& sText, WkButtons lButtons, int lDefault = 1) {
    return Seam().Ask(sText, lButtons, wkIconQuestion, lDefault);
}
inline void ReportError(const std::string& sText) {
    Seam().Report(sText, wkIconExclamation);
}
inline void ReportInfo(const std::string& sText) {
    Seam().Report(sText, wkIconInformation);
}
inline void ShowStatusText(const std::string& sText) {
    Seam().ShowStatus(sText);
}
inline void CloseStatusText() {
    Seam().ShowStatus(std::string());
}
