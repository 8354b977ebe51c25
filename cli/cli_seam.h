// The core's seam for the command-line tool: messages go to standard error,
// questions are answered by the --yes option (else with No, or Cancel where
// the question offers it, so nothing is overwritten unasked).
#pragma once

#include "model/user_seam.h"

#include <cstdio>

class CliSeam final : public UserSeam {
  public:
    CliSeam(bool bYes, std::FILE* pErr) : bAnswerYes(bYes), pOut(pErr) {}
    int Ask(const std::string& sText, WkButtons lButtons, WkIcon lIcon, int lDefault) override;
    void Report(const std::string& sText, WkIcon lIcon) override;
    void ShowStatus(const std::string& sText) override;
    // Number of questions that were answered No or Cancel because --yes was not given.
    int Refusals() const { return lRefusals; }

  private:
    bool bAnswerYes;
    std::FILE* pOut;
    int lRefusals = 0;
};
