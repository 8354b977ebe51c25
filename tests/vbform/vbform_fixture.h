// A clean project with the styles catalog loaded, a recording seam, and
// helpers to find what a form turned into.
#pragma once

#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "tests/support/recording_seam.h"

#include <gtest/gtest.h>

#include <string>

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Reset();
        LoadStylesCatalog();
        BuildControlDefaults();
    }
    void TearDown() override { Reset(); }

    static void Reset() {
        glDynStrBase = 0;
        ClearProject();
        gasDynStr.Release();
        ClearFonts();
        ResetIDPrefixes();
        glPixelsPerInch = 96;
        gtMisc.cxChar = 6;
        gtMisc.cyChar = 13;
        glChanged = 0;
    }

    // The live gatDlg row whose ID has this name; 0 when none.
    static int32_t RowByName(const std::string& sIDName) {
        return FindDlgRowByID(FindIDByName(sIDName));
    }
    static std::string Caption(int32_t lRow) { return GetDynStr(gatDlg[lRow].lCaptionElem); }
    static std::string IDName(int32_t lIDElem) { return gatID[lIDElem].szIDName.str(); }
    // The style list of a row as names ("%WS_CHILD Or ...").
    static std::string Styles(int32_t lRow) {
        return StyleListToText(GetDynStr(gatDlg[lRow].lStyleStrElem));
    }

    RecordingSeam tSeam;
};
