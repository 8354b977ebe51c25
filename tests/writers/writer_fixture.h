// A clean project with the styles catalog loaded, default options and no file
// loaded, plus builders for the rows the writer tests need.
#pragma once

#include "edit/design_edits.h"
#include "model/options.h"
#include "model/project.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "tests/model/model_fixture.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"

#include <string>
#include <string_view>

class WriterTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        LoadStylesCatalog();
        BuildControlDefaults();
        ResetOptions();
        ResetWriterInputs();
    }
    void TearDown() override {
        ResetWriterInputs();
        ResetOptions();
        ModelTest::TearDown();
    }

    static void ResetWriterInputs() {
        gtDoc.sPath.clear();
        gtDoc.lAsNew = 0;
        CloseWorkFiles();
    }

    // Text written with "\n" line ends, as the writers produce it with CR LF.
    static std::string Crlf(std::string_view s) {
        std::string r;
        for (char c : s) {
            if (c == '\n') {
                r += '\r';
            }
            r += c;
        }
        return r;
    }

    // A style index list of catalog names of one section.
    static std::string StyleList(const char* szClass, std::initializer_list<const char*> names) {
        std::string s;
        for (const char* psz : names) {
            s += FormatStyleToken(FindStyleByName(FindClass(szClass), psz)) + ",";
        }
        return s;
    }

    static int32_t NewRes(const std::string& sName, const std::string& sValue, int32_t lKind) {
        return AddResource(sName, lKind, AddID(sName, sValue, wkUsedByRes), 0);
    }

    // A dialog resource and its row with the default styles of a new dialog,
    // made as the designer makes one.
    static int32_t NewDialog(const std::string& sName, const std::string& sValue,
                             const std::string& sCaption, int32_t x, int32_t y, int32_t cx,
                             int32_t cy) {
        tDlg t = PlacedRow(wkCtlDialog, sCaption, x, y, cx, cy);
        t.lResElem = NewRes(sName, sValue, wkResDialog);
        ::NewDialog(t);
        return t.lResElem;
    }

    // A control of the kind with the kind's default styles and a new ID
    // (none when sName is empty), added as the designer adds one; returns its row.
    static int32_t NewControl(int32_t lRes, int32_t lKind, const std::string& sName,
                              const std::string& sValue, const std::string& sCaption, int32_t x,
                              int32_t y, int32_t cx, int32_t cy) {
        tDlg t = PlacedRow(lKind, sCaption, x, y, cx, cy);
        t.lIDElem = sName.empty() ? 0 : AddID(sName, sValue, wkUsedByDlg);
        t.szClass = CtlTypeClass(lKind);
        return ::NewControl(FindDialogRow(lRes), t, tNewCtlOpts{});
    }

    static tDlg PlacedRow(int32_t lKind, const std::string& sCaption, int32_t x, int32_t y,
                          int32_t cx, int32_t cy) {
        tDlg t{};
        t.lCtlType = lKind;
        SetKindStyles(t, lKind);
        t.lCaptionElem = sCaption.empty() ? 0 : AddDynStr(sCaption);
        t.nLeft = x;
        t.nTop = y;
        t.nRight = x + cx;
        t.nBottom = y + cy;
        return t;
    }

    static void Link(int32_t lDlg, int32_t lMenu, int32_t lAccel) {
        gatRes.W(lDlg).lLinkMenu = lMenu;
        gatRes.W(lDlg).lLinkAccel = lAccel;
        gatRes.W(lMenu).lLinkDlg = lDlg;
        gatRes.W(lMenu).lLinkAccel = lAccel;
        gatRes.W(lAccel).lLinkDlg = lDlg;
        gatRes.W(lAccel).lLinkMenu = lMenu;
    }

    // The example project: a dialog with a text box and a button, a linked
    // menu with File > Open (Ctrl+O), a separator and Exit, and a linked
    // accelerator table holding Ctrl+O.
    static void BuildExampleProject() {
        int32_t lDlg = NewDialog("%IDD_DIALOG1", "101", "Dialog1", 70, 70, 201, 121);
        NewControl(lDlg, wkCtlTextBox, "%IDC_TEXTBOX1", "1001", "TextBox1", 5, 5, 100, 13);
        NewControl(lDlg, wkCtlButton, "%IDC_BUTTON1", "1002", "Button1", 145, 100, 50, 15);
        int32_t lMenu = NewRes("%IDR_MENU1", "102", wkResMenu);
        int32_t lOpen = AddID("%IDM_FILE_OPEN", "1003", wkUsedByMenu);
        int32_t lExit = AddID("%IDM_FILE_EXIT", "1004", wkUsedByMenu);
        int32_t lAccelRes = NewRes("%IDR_ACCELERATOR1", "103", wkResAccel);
        Link(lDlg, lMenu, lAccelRes);
        int32_t lKey = AddAccel(lOpen, lAccelRes, 'O', wkFControl);
        AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, 0, "&File");
        AddMenuItem(lOpen, lMenu, lKey, 0, wkMenuItem, 1, 0, "&Open");
        AddMenuItem(0, lMenu, 0, 0, wkMenuSeparator, 1, 0, "");
        AddMenuItem(lExit, lMenu, 0, 0, wkMenuItem, 1, 0, "E&xit");
    }
};
