#include "model/user_seam.h"

namespace {

// Answers like a user who presses Enter on every box: the default button.
struct SilentSeam final : UserSeam {
    int Ask(const std::string&, WkButtons lButtons, WkIcon, int lDefault) override {
        if (lButtons == wkBtnOk) {
            return wkAnsOk;
        }
        if (lDefault == 2) {
            return wkAnsNo;
        }
        if (lDefault == 3) {
            return wkAnsCancel;
        }
        return wkAnsYes;
    }
    void Report(const std::string&, WkIcon) override {}
    void ShowStatus(const std::string&) override {}
};

SilentSeam gtSilentSeam;
UserSeam* gpSeam = &gtSilentSeam;

} // namespace

int UserSeam::SystemMetric(WkMetric lIndex) {
    // A standard desktop at 96 pixels per inch with the classic window frames.
    switch (lIndex) {
    case wkSmCyCaption:
        return 19;
    case wkSmCxBorder:
    case wkSmCyBorder:
        return 1;
    case wkSmCxDlgFrame:
    case wkSmCyDlgFrame:
        return 3;
    case wkSmCxFrame:
    case wkSmCyFrame:
        return 4;
    case wkSmCySmCaption:
        return 15;
    case wkSmCxEdge:
    case wkSmCyEdge:
        return 2;
    }
    return 0;
}

UserSeam& Seam() {
    return *gpSeam;
}

UserSeam* SetSeam(UserSeam* pSeam) {
    UserSeam* pOld = gpSeam == &gtSilentSeam ? nullptr : gpSeam;
    gpSeam = pSeam ? pSeam : &gtSilentSeam;
    return pOld;
}
