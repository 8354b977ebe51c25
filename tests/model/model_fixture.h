// A clean project model for every test: all tables empty, no catalog strings,
// no fonts, default prefixes and screen metrics.
#pragma once

#include "model/project.h"

#include <gtest/gtest.h>

#include <string>

class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetModel(); }
    void TearDown() override { ResetModel(); }

    static void ResetModel() {
        glDynStrBase = 0;
        ClearProject();
        gasDynStr.Release();
        ClearFonts();
        ClearRCBlocks();
        ResetIDPrefixes();
        glPixelsPerInch = 96;
        glChanged = 0;
    }

    // A dialog resource with its ID and dialog row; returns the resource.
    static int32_t MakeDialog(const std::string& sName, const std::string& sValue) {
        int32_t lID = AddID(sName, sValue, wkUsedByRes);
        int32_t lRes = AddResource(sName, wkResDialog, lID, 0);
        tDlg t{};
        t.lIDElem = lID;
        t.lResElem = lRes;
        AddDlgRow(t);
        return lRes;
    }

    // A control row of the dialog with a new ID, at position lOrder.
    static int32_t MakeControl(int32_t lRes, const std::string& sName, int32_t lOrder,
                               int32_t lKind = 6) {
        tDlg t{};
        t.lIDElem = AddID(sName, std::to_string(1000 + lOrder), wkUsedByDlg);
        t.lResElem = lRes;
        t.lCtlType = lKind;
        t.lCtlOrder = lOrder;
        return AddDlgRow(t);
    }
};
