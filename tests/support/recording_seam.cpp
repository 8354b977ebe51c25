#include "tests/support/recording_seam.h"

#include <gtest/gtest.h>

RecordingSeam::RecordingSeam() {
    pPrevious = SetSeam(this);
}

RecordingSeam::RecordingSeam(int lAnswer) : RecordingSeam() {
    lAnswerEvery = lAnswer;
}

RecordingSeam::~RecordingSeam() {
    SetSeam(pPrevious);
}

void RecordingSeam::ExpectAsk(const std::string& sText, int lAnswer) {
    atScript.push_back({sText, lAnswer});
}

int RecordingSeam::Ask(const std::string& sText, WkButtons lButtons, WkIcon lIcon, int lDefault) {
    atEvents.push_back({RecordedEvent::Ask, sText, static_cast<unsigned>(lButtons) | lIcon});
    if (atScript.empty() && lAnswerEvery >= 0) {
        return lAnswerEvery;
    }
    if (atScript.empty()) {
        ADD_FAILURE() << "unexpected question: " << sText;
        return wkAnsCancel;
    }
    Scripted tNext = atScript.front();
    atScript.pop_front();
    EXPECT_EQ(tNext.sText, sText);
    return tNext.lAnswer;
}

void RecordingSeam::Report(const std::string& sText, WkIcon lIcon) {
    atEvents.push_back({RecordedEvent::Report, sText, static_cast<unsigned>(lIcon)});
}

void RecordingSeam::ShowStatus(const std::string& sText) {
    atEvents.push_back({RecordedEvent::Status, sText, 0});
}

std::vector<std::string> RecordingSeam::Reports() const {
    std::vector<std::string> asOut;
    for (const RecordedEvent& tEvent : atEvents) {
        if (tEvent.lKind == RecordedEvent::Report) {
            asOut.push_back(tEvent.sText);
        }
    }
    return asOut;
}

std::vector<std::string> RecordingSeam::StatusTexts() const {
    std::vector<std::string> asOut;
    for (const RecordedEvent& tEvent : atEvents) {
        if (tEvent.lKind == RecordedEvent::Status && !tEvent.sText.empty()) {
            asOut.push_back(tEvent.sText);
        }
    }
    return asOut;
}

void RecordingSeam::VerifyAllAsked() const {
    EXPECT_TRUE(atScript.empty()) << atScript.size() << " scripted answers were never asked for";
}
