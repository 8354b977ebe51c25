#include "cli/cli_seam.h"

namespace {

// Message boxes break lines with CR LF; a terminal wants plain line feeds.
std::string TerminalText(const std::string& sText) {
    std::string sOut;
    sOut.reserve(sText.size());
    for (char c : sText) {
        if (c != '\r') {
            sOut += c;
        }
    }
    return sOut;
}

} // namespace

int CliSeam::Ask(const std::string& sText, WkButtons lButtons, WkIcon, int) {
    int lAnswer = wkAnsOk;
    if (lButtons != wkBtnOk) {
        lAnswer = bAnswerYes ? wkAnsYes : (lButtons == wkBtnYesNoCancel ? wkAnsCancel : wkAnsNo);
    }
    if (lAnswer != wkAnsYes && lAnswer != wkAnsOk) {
        ++lRefusals;
    }
    std::fprintf(pOut, "wrenkit: %s [%s]\n", TerminalText(sText).c_str(),
                 lAnswer == wkAnsYes ? "yes" : (lAnswer == wkAnsNo ? "no" : "cancel"));
    return lAnswer;
}

void CliSeam::Report(const std::string& sText, WkIcon) {
    std::fprintf(pOut, "wrenkit: %s\n", TerminalText(sText).c_str());
}

void CliSeam::ShowStatus(const std::string&) {
    // Status texts only tell a watching user that something is under way.
}
