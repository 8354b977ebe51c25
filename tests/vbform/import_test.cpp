// Import from the clipboard without its window: format detection, the import
// run and the counts of the results box.
#include "readers/import_detect.h"
#include "readers/import_results.h"
#include "readers/import_run.h"
#include "readers/vbform_reader.h"
#include "tests/vbform/vbform_fixture.h"

#include "model/options.h"

namespace {

using ImportTest = FormTest;

const char kszSmallForm[] = "VERSION 5.00\r\n"
                            "Begin VB.Form frmSmall\r\n"
                            "   Begin VB.CommandButton cmdA\r\n"
                            "      TabIndex = 1\r\n"
                            "   End\r\n"
                            "   Begin VB.CommandButton cmdB\r\n"
                            "      TabIndex = 0\r\n"
                            "   End\r\n"
                            "   Begin VB.Menu mnuFile\r\n"
                            "      Caption = \"&File\"\r\n"
                            "      Shortcut = ^F\r\n"
                            "   End\r\n"
                            "End\r\n";

TEST_F(ImportTest, FirstDecidingWordGivesTheFormat) {
    struct Case {
        const char* szText;
        int32_t lFormat;
    };
    const Case aCase[] = {
        {"%IDD_DIALOG1 = 101\r\n#define IDC_X 1001\r\n", wkFormatKVL},
        {"#include \"resource.h\"\r\n#define IDC_X 1001\r\n%X = 1\r\n", wkFormatRC},
        {"VERSION 5.00\r\nBegin VB.Form Form1\r\n   Shortcut = %{F4}\r\n", wkFormatVBForm},
        {"IDD_X DIALOG 0,0,10,10\r\nBEGIN\r\nEND\r\n", wkFormatNone},
        // Deciding words inside texts and comments decide nothing.
        {"CAPTION \"100% VB.Form #define\"\r\n#define A 1", wkFormatRC},
        {"' %IDC_X = 1\r\n// VB.Form\r\n/* #define\r\n %A */ VB.Form", wkFormatVBForm},
        {"/* never closed %A", wkFormatNone},
        {"\"never closed %A\r\n#define B 2", wkFormatRC},
        {"#defined X\r\n#DEFINE Y\r\nVB.Formx\r\nVB.Form", wkFormatVBForm},
    };
    for (const Case& c : aCase) {
        SCOPED_TRACE(c.szText);
        EXPECT_EQ(DetectFormat(c.szText), c.lFormat);
    }
    // The text ends at a zero byte.
    EXPECT_EQ(DetectFormat(std::string_view("#include\0%A = 1", 15)), wkFormatNone);
}

TEST_F(ImportTest, FormImportKeepsTheProjectAndCountsWhatItAdded) {
    gtOptions.lImportResults = 1;
    LoadVBForm(kszSmallForm); // the project imported into
    const int32_t lOldDlg = gtElem.lResDlg;
    const int32_t lOldMenu = gtElem.lResMenu;
    const int32_t lOldRows = glDlgCnt;
    ASSERT_EQ(RunImport(wkFormatVBForm, kszSmallForm), 1);
    EXPECT_EQ(glImportFlag, 0);
    EXPECT_NE(gtElem.lResDlg, lOldDlg);
    EXPECT_EQ(CountDialogRows(lOldDlg), 3);
    // The new form gets a menu of its own; the project's keeps its item.
    EXPECT_EQ(gatRes[gtElem.lResDlg].lLinkMenu, gtElem.lResMenu);
    EXPECT_EQ(CountMenuItems(lOldMenu), 1);
    EXPECT_EQ(gatRes[gtElem.lResDlg].szIDName.str(), "%IDD_frmSmall1");
    // The new dialog's controls are numbered 1..n in tab order.
    EXPECT_EQ(IDName(gatDlg[lOldRows + 2].lIDElem), "%IDC_cmdB1");
    EXPECT_EQ(gatDlg[lOldRows + 2].lCtlOrder, 1);
    EXPECT_EQ(gatDlg[lOldRows + 3].lCtlOrder, 2);
    std::string sLabels;
    std::string sNumbers;
    ASSERT_EQ(ResultTexts(sLabels, sNumbers), 1);
    EXPECT_EQ(sLabels, "ID Count:\r\nResource Count:\r\nDialog/Control Count:\r\n"
                       "Menu Member Count:\r\nAccelerator Count:\r\nString Count:\r\n"
                       "Version Block Count:");
    // IDs of the dialog, two buttons, the menu, its item and the accelerator
    // table; three resources.
    EXPECT_EQ(sNumbers, "6\r\n3\r\n3\r\n1\r\n1\r\n0\r\n0");
    EXPECT_TRUE(tSeam.Reports().empty());
}

TEST_F(ImportTest, ImportNeedsAFormatAndResultsNeedTheOption) {
    ASSERT_EQ(RunImport(wkFormatNone, kszSmallForm), 0);
    EXPECT_EQ(tSeam.Reports(), std::vector<std::string>{"You must select a File Format."});
    EXPECT_EQ(tSeam.Events().back().lFlags, static_cast<unsigned>(wkIconInformation));
    EXPECT_EQ(glDlgCnt, 0);
    // Text of another format than the chosen one adds nothing.
    ASSERT_EQ(RunImport(wkFormatVBForm, "%IDD_X = 101\r\n"), 1);
    EXPECT_EQ(glIDCnt, 0);
    gtOptions.lImportResults = 0;
    SnapshotCounts();
    RunImport(wkFormatVBForm, kszSmallForm);
    std::string sLabels = "x";
    std::string sNumbers = "y";
    EXPECT_EQ(ResultTexts(sLabels, sNumbers), 0);
    EXPECT_EQ(sLabels, "");
    EXPECT_EQ(sNumbers, "");
    gtOptions.lImportResults = 1;
}

TEST_F(ImportTest, ScriptAndKvlImportsRunTheirReadersWithoutMarkers) {
    const char kszScript[] = "#define IDD_ABOUT 100\r\n"
                             "IDD_ABOUT DIALOG 0, 0, 100, 50\r\n"
                             "BEGIN\r\n"
                             "    DEFPUSHBUTTON \"OK\", 1, 10, 10, 50, 14\r\n"
                             "END\r\n";
    ASSERT_EQ(RunImport(DetectFormat(kszScript), kszScript), 1);
    EXPECT_EQ(CountResources(wkResDialog), 1);
    const char kszKvl[] = "#Wrenkit Created\r\n"
                          "%IDC_NAME = 1001\r\n"
                          "Dialog New 0, \"Kvl\", 10, 10, 100, 50, %WS_POPUP To hDlg\r\n";
    ASSERT_EQ(RunImport(DetectFormat(kszKvl), kszKvl), 1);
    EXPECT_NE(FindIDByName("%IDC_NAME"), 0);
    EXPECT_EQ(CountResources(wkResDialog), 2);
    EXPECT_EQ(glBlockCnt + glRCBlockCnt, 0);
    EXPECT_TRUE(tSeam.Reports().empty());
}

} // namespace
