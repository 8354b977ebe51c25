// The project-wide editors' changes on real projects (the sample and corpus
// scripts), each saved and opened again; and the ID editor's own rules.
#include "edit/id_edits.h"
#include "edit/resource_edits.h"
#include "edit/resource_tree.h"
#include "edit/tab_order.h"
#include "tests/files/files_fixture.h"
#include "tests/support/corpus_files.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

class ProjectEdits : public FilesTest {
  protected:
    // Reads a file into an untitled project (a script is imported).
    void Import(const std::string& sPath) {
        RecordingSeam tQuiet;
        ASSERT_EQ(ImportFile(sPath), 1) << sPath;
    }

    // Saves under a new name, closes and opens the saved file again.
    void SaveAndReopen() {
        RecordingSeam tQuiet;
        const std::string sPath = PathOf("edited" + std::to_string(++lSaves) + ".bas");
        ASSERT_EQ(SaveFileAs(sPath, wkFileKvl), 1);
        ASSERT_EQ(CloseFile(), 1);
        ASSERT_EQ(OpenFile(sPath, wkFileKvl), 1);
        sSaved = ReadAll(sPath);
    }

    static std::string Name(int32_t lID) { return gatID[lID].szIDName.str(); }
    static std::string ResName(int32_t lRes) {
        return lRes ? Name(gatRes[lRes].lIDElem) : std::string("-");
    }

    // The project as the user sees it, without element numbers, as sorted
    // lines (the companion script's IDs are read before the others).
    static std::vector<std::string> Project() {
        std::multiset<std::string> asRest;
        for (int32_t l : LiveIDRows()) {
            asRest.insert(Name(l) + "=" + IDValueText(l));
        }
        for (int32_t l = 1; l <= glResCnt; ++l) {
            const tRes& t = gatRes[l];
            if (gatRes.Live(l) && (t.lType & (wkResDialog | wkResMenu | wkResAccel))) {
                asRest.insert("res " + ResName(l) + " " + std::to_string(t.lType) + " dlg " +
                              ResName(t.lLinkDlg) + " menu " + ResName(t.lLinkMenu) + " accel " +
                              ResName(t.lLinkAccel));
            }
        }
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            const tDlg& t = gatDlg[l];
            if (gatDlg.Live(l)) {
                asRest.insert("dlg " + ResName(t.lResElem) + " #" + std::to_string(t.lCtlOrder) +
                              " " + Name(t.lIDElem) + " " + GetDynStr(t.lCaptionElem));
            }
        }
        std::map<int32_t, int> alNth;
        for (int32_t l = 1; l <= glMenuCnt; ++l) {
            const tMenu& t = gatMenu[l];
            if (gatMenu.Live(l)) {
                asRest.insert("menu " + ResName(t.lResElem) + " #" +
                              std::to_string(alNth[t.lResElem]++) + " " + Name(t.lIDElem));
            }
        }
        for (int32_t l = 1; l <= glAccelCnt; ++l) {
            if (gatAccel.Live(l)) {
                asRest.insert("key " + ResName(gatAccel[l].lResElem) + " " +
                              Name(gatAccel[l].lIDElem));
            }
        }
        for (int32_t l = 1; l <= glStrCnt; ++l) {
            if (gatStr.Live(l)) {
                asRest.insert("str " + Name(gatStr[l].lIDElem));
            }
        }
        return std::vector<std::string>(asRest.begin(), asRest.end());
    }

    // The names of the equates of the saved text, in order.
    std::vector<std::string> Equates() const {
        std::vector<std::string> as;
        const size_t lFrom = sSaved.find("#Wrenkit Begin Constants");
        const size_t lTo = sSaved.find("#Wrenkit End Constants");
        for (size_t p = sSaved.find("\r\n%", lFrom); p < lTo; p = sSaved.find("\r\n%", p + 1)) {
            as.push_back(sSaved.substr(p + 2, sSaved.find_first_of(" =", p + 2) - p - 2));
        }
        return as;
    }

    static std::vector<std::string> Names(const std::vector<int32_t>& al) {
        std::vector<std::string> as;
        for (int32_t l : al) {
            as.push_back(Name(l));
        }
        return as;
    }

    std::string sSaved;
    int lSaves = 0;
};

// Every change of the three editors on the sample and on real scripts, then
// a save and an open: the same tables come back, and the equates stand in
// the order the ID editor closed with.
TEST_F(ProjectEdits, ChangesOfEveryEditorSurviveASaveAndAReopen) {
    std::vector<std::string> asFiles = {std::string(WK_SOURCE_DIR) + "/examples/sample.bas"};
    for (const char* sz : {"wine_notepad.rc", "wcs_IpxChat.rc", "wcs_Dialer.rc"}) {
        if (std::string s = CorpusPath("rc", sz); !s.empty()) {
            asFiles.push_back(s);
        }
    }
    for (const std::string& sFile : asFiles) {
        SCOPED_TRACE(sFile);
        Import(sFile);
        RecountUsage();
        // The ID editor: a control ID renamed, the first three renumbered, the
        // last row dragged to the top, the list sorted by name and closed.
        int32_t lCtl = 0;
        for (int32_t l = 1; l <= glDlgCnt && !lCtl; ++l) {
            lCtl = gatDlg.Live(l) && gatDlg[l].lCtlType != 0 && gatDlg[l].lIDElem > 0 ? l : 0;
        }
        ASSERT_NE(lCtl, 0);
        int32_t lID = gatDlg[lCtl].lIDElem;
        std::string sName = "RENAMED_CONTROL";
        ASSERT_EQ(StoreIDFields(lID, sName, IDValueText(lID)), wkIDStored);
        EXPECT_EQ(Name(gatDlg[lCtl].lIDElem), "%RENAMED_CONTROL");
        std::vector<int32_t> alRows = LiveIDRows();
        RenumberIDs({alRows[0], alRows[1], alRows[2]}, 30000, 7);
        MoveIDRows(alRows, static_cast<int32_t>(alRows.size()) - 1, 1, 0);
        ApplyIDOrder(alRows);
        alRows = LiveIDRows();
        SortIDRows(alRows, wkIDColName, false);
        ApplyIDOrder(alRows);

        // The tab order editor: the first dialog's controls numbered backwards.
        const int32_t lRes = gatDlg[lCtl].lResElem;
        const std::string sDialog = ResName(lRes);
        gtElem.lResDlg = lRes;
        const std::vector<int32_t> alCtl = TabOrderRows(lRes);
        std::vector<int32_t> alNumber;
        for (size_t i = 0; i < alCtl.size(); ++i) {
            alNumber.push_back(gatDlg[alCtl[i]].lCtlOrder);
        }
        int32_t lBox = 1;
        for (size_t i = alCtl.size(); i-- > 0;) {
            lBox = TabOrderClick(alNumber, i, lBox);
        }
        ApplyTabOrder(alCtl, alNumber, 0);
        std::vector<std::string> asOrder;
        for (int32_t l : TabOrderRows(lRes)) {
            asOrder.push_back(Name(gatDlg[l].lIDElem));
        }

        // The selector: the first menu parted from its dialog.
        const std::vector<tResNode> atTree = ResourceTree();
        for (const tResNode& t : atTree) {
            if (t.lLevel == 2 && gatRes[t.lRes].lLinkDlg != 0) {
                UnlinkMenu(t.lRes);
                break;
            }
        }

        const std::vector<std::string> asBefore = Project();
        const std::vector<std::string> asNames = Names(LiveIDRows());
        ASSERT_TRUE(
            std::is_sorted(asNames.begin(), asNames.end(), [](std::string a, std::string b) {
                for (std::string* p : {&a, &b}) {
                    std::transform(p->begin(), p->end(), p->begin(), ::tolower);
                }
                return a < b;
            }));
        SaveAndReopen();
        EXPECT_EQ(Project(), asBefore);
        EXPECT_EQ(Equates(), asNames);
        std::vector<std::string> asOrderBack;
        for (int32_t l : TabOrderRows(FindResourceByID(FindIDByName(sDialog)))) {
            asOrderBack.push_back(Name(gatDlg[l].lIDElem));
        }
        EXPECT_EQ(asOrderBack, asOrder);

        // Order by Use on what came back: the resources' IDs first, and the
        // order survives again.
        const std::vector<int32_t> alUse = IDsOrderedByUse();
        ApplyIDOrder(alUse);
        EXPECT_NE(gatID[1].lUsedBy & wkUsedByRes, 0);
        const std::vector<std::string> asUsed = Project();
        SaveAndReopen();
        EXPECT_EQ(Project(), asUsed);
        RecordingSeam tQuiet;
        glChanged = 0;
        CloseFile();
    }
}

TEST_F(ProjectEdits, IDEditorKeepsUsedIDsAndNamesAndReordersByUse) {
    const int32_t lDlg = MakeDialog("%IDD_MAIN", "101");
    const int32_t lOk = MakeControl(lDlg, "%IDC_OK", 1);
    const int32_t lName = MakeControl(lDlg, "%IDC_NAME", 2);
    const int32_t lSpare1 = AddID("%IDC_SPARE1", "2001", 0);
    const int32_t lSpare2 = AddID("%IDC_SPARE2", "2002", 0);
    const int32_t lKeys = AddResource("%IDR_KEYS", wkResAccel, AddID("%IDR_KEYS", "102", 0), 0);
    AddAccel(gatDlg[lName].lIDElem, lKeys, 'N', wkFControl);
    RecountUsage();

    // Delete: of three selected, the used one stays.
    EXPECT_EQ(DeleteUnusedIDs({lSpare1, gatDlg[lOk].lIDElem, lSpare2}),
              (std::vector<int32_t>{lSpare1, lSpare2}));
    EXPECT_TRUE(gatID.Live(gatDlg[lOk].lIDElem));

    // Names: "%" put in front, bad and used names refused, an empty one too.
    int32_t lNew = 0;
    for (const auto& [szName, lResult] : {std::pair{"9X", wkIDBadName},
                                          {"", wkIDBadName},
                                          {"%idc_ok", wkIDNameUsed},
                                          {"IDC_NEW", wkIDStored}}) {
        std::string sName = szName;
        EXPECT_EQ(StoreIDFields(lNew, sName, "3000"), lResult) << szName;
    }
    EXPECT_EQ(Name(lNew), "%IDC_NEW");
    EXPECT_EQ(IDStoreMessage(wkIDNameUsed), gszIDNameUsedMsg);

    // A dialog's ID renames its resource; a used ID above 65535 takes the
    // highest free value.
    int32_t lDlgID = gatRes[lDlg].lIDElem;
    std::string sName = "%IDD_FIRST";
    EXPECT_EQ(StoreIDFields(lDlgID, sName, "101"), wkIDStored);
    EXPECT_EQ(gatRes[lDlg].szIDName.str(), "%IDD_FIRST");
    AddID("%IDC_TOP", "65535", 0);
    int32_t lOkID = gatDlg[lOk].lIDElem;
    sName = "%IDC_OK";
    StoreIDFields(lOkID, sName, "70000");
    EXPECT_EQ(gatID[lOkID].lIDValue, 65534);
    EXPECT_EQ(StoreIDFields(lNew, sName = "%IDC_NEW", "70000"), wkIDStored);
    EXPECT_EQ(gatID[lNew].lIDValue, 70000) << "an unused ID keeps what it was given";

    // Renumbering may give two controls of a dialog one value: named, not hidden.
    RenumberIDs({lOkID, gatDlg[lName].lIDElem}, 1500, 0);
    EXPECT_EQ(IDValueClashes({lOkID}),
              (std::vector<std::string>{"%IDC_OK = %IDC_NAME (1500) in %IDD_FIRST"}));
    EXPECT_TRUE(IDValueClashes({lNew}).empty()) << "only pairs with a renumbered ID";

    // Order by Use: the unused go; tables, then dialogs, then each dialog's
    // controls in tab order, then keys.
    gtElem.lResDlg = lDlg;
    SetControlOrder(lName, 1);
    ApplyIDOrder(IDsOrderedByUse());
    EXPECT_EQ(Names(LiveIDRows()),
              (std::vector<std::string>{"%IDR_KEYS", "%IDD_FIRST", "%IDC_NAME", "%IDC_OK"}));
    EXPECT_EQ(Name(gatDlg[lOk].lIDElem), "%IDC_OK");
    EXPECT_EQ(Name(gatAccel[1].lIDElem), "%IDC_NAME");
    EXPECT_EQ(gatRes[lDlg].lIDElem, 2);
}

TEST_F(ProjectEdits, RowsMoveAsOneRunAndSortByColumn) {
    std::vector<int32_t> al = {1, 2, 3, 4, 5};
    EXPECT_EQ(MoveIDRows(al, 3, 2, 0), 0);
    EXPECT_EQ(al, (std::vector<int32_t>{4, 5, 1, 2, 3}));
    EXPECT_EQ(MoveIDRows(al, 0, 2, 4), 3) << "dragged down they land after the row";
    EXPECT_EQ(al, (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(MoveIDRows(al, 1, 2, 2), 1);
    EXPECT_EQ(al, (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(IsConsecutive({1, 3}));

    const int32_t lB = AddID("%b", "&H10", 0);
    const int32_t lA = AddID("%A", "9", 0);
    const int32_t lC = AddID("%c", "100", 0);
    std::vector<int32_t> alRows = LiveIDRows();
    SortIDRows(alRows, wkIDColName, false);
    EXPECT_EQ(alRows, (std::vector<int32_t>{lA, lB, lC}));
    SortIDRows(alRows, wkIDColValue, true);
    EXPECT_EQ(alRows, (std::vector<int32_t>{lC, lB, lA})) << "by number, not by text";
}

TEST_F(ProjectEdits, TabOrderClicksRenumberTheOthers) {
    std::vector<int32_t> al = {1, 2, 3};
    EXPECT_EQ(TabOrderClick(al, 2, 1), 2);
    EXPECT_EQ(al, (std::vector<int32_t>{2, 3, 1}));
    EXPECT_EQ(TabOrderClick(al, 1, 3), 3) << "the last number stays in the box";
    EXPECT_EQ(al, (std::vector<int32_t>{2, 3, 1}));
    std::vector<int32_t> alFour = {1, 2, 3, 4};
    EXPECT_EQ(TabOrderClick(alFour, 0, 9), 4);
    EXPECT_EQ(alFour, (std::vector<int32_t>{4, 1, 2, 3}));

    // Stored, the rows stand in the table in the new order.
    const int32_t lDlg = MakeDialog("%IDD_MAIN", "101");
    const int32_t lFirst = MakeControl(lDlg, "%IDC_A", 1);
    MakeControl(lDlg, "%IDC_B", 2);
    MakeControl(lDlg, "%IDC_C", 3);
    EXPECT_EQ(ApplyTabOrder(TabOrderRows(lDlg), {2, 3, 1}, lFirst), lFirst + 1);
    std::vector<std::string> as;
    for (int32_t l = lFirst; l <= glDlgCnt; ++l) {
        as.push_back(Name(gatDlg[l].lIDElem) + "#" + std::to_string(gatDlg[l].lCtlOrder));
    }
    EXPECT_EQ(as, (std::vector<std::string>{"%IDC_C#1", "%IDC_A#2", "%IDC_B#3"}));
}

// The selector on the sample: its tree, a drop, an unlink and deletes that
// leave no row pointing at a deleted one.
TEST_F(ProjectEdits, SelectorLinksAndDeletesWithoutDanglingRows) {
    Import(std::string(WK_SOURCE_DIR) + "/examples/sample.bas");
    const int32_t lDlg = FindResourceByID(FindIDByName("%IDD_DIALOG1"));
    const int32_t lMenu = FindResourceByID(FindIDByName("%IDR_MENU1"));
    const int32_t lSecond = MakeDialog("%IDD_SECOND", "110");
    auto Texts = [] {
        std::vector<std::string> as;
        for (const tResNode& t : ResourceTree()) {
            as.push_back(std::string(static_cast<size_t>(t.lLevel - 1), '-') + t.sText);
        }
        return as;
    };
    EXPECT_EQ(Texts(), (std::vector<std::string>{"%IDD_DIALOG1 Dialog1", "-%IDR_MENU1",
                                                 "--%IDR_ACCELERATOR1", "%IDD_SECOND"}));
    std::vector<tResNode> at = ResourceTree();
    EXPECT_EQ(SelectorButtons(at, 1), wkSelCanOpen | wkSelCanUnlink | wkSelCanDelete);
    EXPECT_EQ(SelectorButtons(at, 2), wkSelCanOpen);
    EXPECT_EQ(NodeDialog(at, 2), lDlg);
    EXPECT_FALSE(IsDropTarget(at[0]));
    EXPECT_TRUE(IsDropTarget(at[3]));

    UnlinkMenu(lMenu);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"%IDD_DIALOG1 Dialog1", "%IDD_SECOND",
                                                 "<Resources Not Linked>", "-%IDR_MENU1",
                                                 "--%IDR_ACCELERATOR1"}));
    at = ResourceTree();
    EXPECT_EQ(SelectorButtons(at, 2), 0);
    EXPECT_EQ(SelectorButtons(at, 3), wkSelCanDelete);
    EXPECT_EQ(gatRes[lDlg].lLinkAccel, 0);

    ASSERT_EQ(LinkMenuToDialog(lMenu, lSecond), 1);
    EXPECT_EQ(LinkMenuToDialog(lMenu, lSecond), 0) << "a dialog with a menu takes no other";
    EXPECT_EQ(gatRes[lSecond].lLinkAccel, gatRes[lMenu].lLinkAccel);
    at = ResourceTree();
    EXPECT_EQ(DeleteNodesQuestion(at, 1),
              "Are you sure you want to delete the following resources?\r\r%IDD_SECOND\r"
              "%IDR_MENU1\r%IDR_ACCELERATOR1");

    // A key of the deleted table that another menu's item shows is let go too.
    const int32_t lOther = NewResource(wkResPopupMenu);
    const int32_t lItem =
        AddMenuItem(FindIDByName("%IDM_FILE_OPEN"), lOther, 1, 0, wkMenuItem, 0, 0, "Open");
    gtElem.lResDlg = lSecond;
    DeleteNodeResource(lSecond);
    EXPECT_EQ(gatMenu[lItem].lAccelElem, 0);
    EXPECT_EQ(gtElem.lResDlg, 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"%IDD_DIALOG1 Dialog1"}));
    SaveAndReopen();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"%IDD_DIALOG1 Dialog1"}));
}

} // namespace
