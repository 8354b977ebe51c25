// A seam for tests: records every question, message and status text, answers
// questions from a script, and fails the test on an unexpected question.
#pragma once

#include "model/user_seam.h"

#include <deque>
#include <string>
#include <vector>

struct RecordedEvent {
    enum Kind { Ask, Report, Status } lKind;
    std::string sText;
    unsigned lFlags; // buttons | icon for Ask, icon for Report, 0 for Status
};

class RecordingSeam final : public UserSeam {
  public:
    // Installs itself for the lifetime of the object. Given an answer, it
    // answers every question not scripted with it instead of failing the test.
    RecordingSeam();
    explicit RecordingSeam(int lAnswerEvery);
    ~RecordingSeam() override;
    RecordingSeam(const RecordingSeam&) = delete;
    RecordingSeam& operator=(const RecordingSeam&) = delete;

    // The next question must carry exactly this text; it is answered with lAnswer.
    void ExpectAsk(const std::string& sText, int lAnswer);

    int Ask(const std::string& sText, WkButtons lButtons, WkIcon lIcon, int lDefault) override;
    void Report(const std::string& sText, WkIcon lIcon) override;
    void ShowStatus(const std::string& sText) override;

    // Messages reported (not questions, not status texts), in order.
    std::vector<std::string> Reports() const;
    // Status texts shown, in order, without the closing empty ones.
    std::vector<std::string> StatusTexts() const;
    const std::vector<RecordedEvent>& Events() const { return atEvents; }
    // Fails the current test when scripted answers were not used.
    void VerifyAllAsked() const;

  private:
    struct Scripted {
        std::string sText;
        int lAnswer;
    };
    std::deque<Scripted> atScript;
    std::vector<RecordedEvent> atEvents;
    UserSeam* pPrevious = nullptr;
    int lAnswerEvery = -1;
};
