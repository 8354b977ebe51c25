// The ID editor, the tab order editor and the dialog selector on the sample,
// each driven by the mouse as a user would (a row dragged, three controls
// clicked, a menu dragged onto a dialog), then saved and opened again.
#include "tests/win/designer_fixture.h"

#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "edit/tab_order.h"
#include "editors/editor_ids.h"

#include <commctrl.h>

namespace {

class ProjectEditors : public DesignerTest {
  protected:
    void SetUp() override {
        DesignerTest::SetUp();
        sPath = TempFolder() + "wk_ideds_" + std::to_string(GetCurrentProcessId()) + ".bas";
        ASSERT_TRUE(CopyFileA(SourcePath("examples/sample.bas").c_str(), sPath.c_str(), FALSE));
        ASSERT_EQ(OpenFile(sPath, 1), 1);
        PumpMessages(100);
    }
    void TearDown() override {
        glChanged = 0;
        DesignerTest::TearDown();
        DeleteFileA(sPath.c_str());
    }

    // Saves, opens the file again and returns the text saved.
    std::string SaveAndReopen() {
        EXPECT_EQ(SaveFile(), 1);
        const std::string sSaved = ReadFileWhole(sPath);
        EXPECT_EQ(OpenFile(sPath, 1), 1);
        PumpMessages(100);
        return sSaved;
    }

    static void ClickAt(POINT p) {
        MouseBatch({{MOUSEEVENTF_MOVE, p}, {MOUSEEVENTF_LEFTDOWN, {}}, {MOUSEEVENTF_LEFTUP, {}}},
                   80);
    }
    // A list or tree waits in its button-down handling for the move that
    // makes a drag: down and that first move go in one batch.
    static void DragFromTo(POINT a, POINT b) {
        MouseBatch({{MOUSEEVENTF_MOVE, a},
                    {MOUSEEVENTF_LEFTDOWN, {}},
                    {MOUSEEVENTF_MOVE, {a.x, a.y + (b.y > a.y ? 8 : -8)}}},
                   80);
        for (int i = 1; i <= 4; ++i) {
            MouseBatch({{MOUSEEVENTF_MOVE, {a.x, a.y + (b.y - a.y) * i / 4}}}, 80);
        }
        MouseBatch({{MOUSEEVENTF_LEFTUP, {}}}, 80);
    }
    static POINT Middle(HWND hWnd, RECT r) {
        MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    std::string sPath;
};

TEST_F(ProjectEditors, DraggingAnIDRowMovesItsEquate) {
    ASSERT_EQ(gatID[7].szIDName.str(), "%IDR_ACCELERATOR1");
    std::vector<std::string> asRows;
    WatchFor("ID Editor", [&](HWND hDlg) {
        HWND hList = GetDlgItem(hDlg, IDC_IDE_LIST);
        RECT rFirst{LVIR_LABEL, 0, 0, 0}, rLast{LVIR_LABEL, 0, 0, 0};
        SendMessageA(hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rFirst));
        SendMessageA(hList, LVM_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&rLast));
        ClickAt(Middle(hList, rLast));
        PumpMessages(static_cast<int>(GetDoubleClickTime()) + 100); // no double click
        DragFromTo(Middle(hList, rLast), Middle(hList, rFirst));
        for (int i = 0; i < 7; ++i) {
            asRows.push_back(ListViewText(hList, i));
        }
        PumpMessages(50);
        SaveWindowScreenshot(hDlg, "id_editor");
        PostMessageA(hDlg, WM_CLOSE, 0, 0);
    });
    Command(IDM_IDEDITOR);
    ASSERT_EQ(asRows.size(), 7u);
    EXPECT_EQ(asRows[0], "%IDR_ACCELERATOR1");
    EXPECT_EQ(asRows[1], "%IDD_DIALOG1");
    EXPECT_EQ(gatID[1].szIDName.str(), "%IDR_ACCELERATOR1");
    EXPECT_EQ(gatID[gatAccel[1].lIDElem].szIDName.str(), "%IDM_FILE_OPEN");
    EXPECT_EQ(glChanged, 1);

    const std::string sSaved = SaveAndReopen();
    const size_t p = sSaved.find("#Wrenkit Begin Constants");
    ASSERT_NE(p, std::string::npos);
    EXPECT_EQ(sSaved.find("\r\n%", p), sSaved.find("\r\n%IDR_ACCELERATOR1 ", p));
    EXPECT_EQ(gatID[1].szIDName.str(), "%IDR_ACCELERATOR1");
}

TEST_F(ProjectEditors, ThreeClicksSetTheTabOrder) {
    NewDesignControl(wkCtlLabel, 10, 90, 60, 100);
    PumpMessages(50);
    const int32_t lRes = gtElem.lResDlg;
    const std::vector<int32_t> alRows = TabOrderRows(lRes);
    ASSERT_EQ(alRows.size(), 3u);
    std::vector<HWND> ahCtl;
    for (int32_t l : alRows) {
        ahCtl.push_back(Row(l));
    }
    std::string sBox;
    WatchFor("Tab Order Editor", [&](HWND hDlg) {
        for (auto it = ahCtl.rbegin(); it != ahCtl.rend(); ++it) {
            RECT r{};
            GetClientRect(*it, &r);
            r.left = r.right / 2;
            ClickAt(Middle(*it, r));
        }
        sBox = WindowText(GetDlgItem(hDlg, IDC_TAB_NUMBER));
        SaveWindowScreenshot(DesignDialogWindow(), "tab_order_badges");
        RECT r{};
        GetClientRect(GetDlgItem(hDlg, IDCANCEL), &r);
        ClickAt(Middle(GetDlgItem(hDlg, IDCANCEL), r));
    });
    Command(IDM_TABORDER);
    EXPECT_EQ(sBox, "3");
    auto Names = [&] {
        std::vector<std::string> as;
        for (int32_t l : TabOrderRows(gtElem.lResDlg)) {
            as.push_back(gatID[gatDlg[l].lIDElem].szIDName.str());
        }
        return as;
    };
    const std::vector<std::string> asWant = {"%IDC_LABEL1", "%IDC_BUTTON1", "%IDC_TEXTBOX1"};
    EXPECT_EQ(Names(), asWant);
    EXPECT_EQ(glChanged, 1);
    EXPECT_NE(Row(TabOrderRows(gtElem.lResDlg)[0]), nullptr) << "the surface was built again";

    const std::string sSaved = SaveAndReopen();
    const size_t pLabel = sSaved.find("%IDC_LABEL1, \"");
    const size_t pButton = sSaved.find("%IDC_BUTTON1, \"");
    const size_t pText = sSaved.find("%IDC_TEXTBOX1, \"");
    EXPECT_LT(pLabel, pButton);
    EXPECT_LT(pButton, pText);
    EXPECT_EQ(Names(), asWant);
}

TEST_F(ProjectEditors, DroppingTheMenuOnAnotherDialogLinksItThere) {
    Command(IDM_NEWDIALOG);
    PumpMessages(50);
    const int32_t lSecond = gtElem.lResDlg;
    ASSERT_EQ(gatRes[lSecond].lLinkMenu, 0);
    std::vector<std::string> asNodes;
    WatchFor("Select Dialog/Resource", [&](HWND hDlg) {
        HWND hTree = GetDlgItem(hDlg, IDC_SEL_TREE);
        HTREEITEM hDialog1 = TreeView_GetRoot(hTree);
        HTREEITEM hMenu = TreeView_GetChild(hTree, hDialog1);
        HTREEITEM hDialog2 = TreeView_GetNextSibling(hTree, hDialog1);
        RECT rMenu{}, rDialog2{};
        TreeView_GetItemRect(hTree, hMenu, &rMenu, TRUE);
        TreeView_GetItemRect(hTree, hDialog2, &rDialog2, TRUE);
        DragFromTo(Middle(hTree, rMenu), Middle(hTree, rDialog2));
        for (HTREEITEM h = TreeView_GetRoot(hTree); h;) {
            char sz[80] = "";
            TVITEMA t{};
            t.mask = TVIF_TEXT;
            t.hItem = h;
            t.pszText = sz;
            t.cchTextMax = sizeof sz;
            TreeView_GetItem(hTree, &t);
            asNodes.push_back(sz);
            HTREEITEM hNext = TreeView_GetChild(hTree, h);
            while (!hNext && h) {
                hNext = TreeView_GetNextSibling(hTree, h);
                h = hNext ? h : TreeView_GetParent(hTree, h);
            }
            h = hNext;
        }
        SaveWindowScreenshot(hDlg, "resource_selector");
        PressButton(hDlg, IDCANCEL);
    });
    Command(IDM_SELECTDIALOG);
    EXPECT_EQ(asNodes, (std::vector<std::string>{"%IDD_DIALOG1 Dialog1", "%IDD_DIALOG2 Dialog2",
                                                 "%IDR_MENU1", "%IDR_ACCELERATOR1"}));
    const int32_t lMenu = FindResourceByID(FindIDByName("%IDR_MENU1"));
    EXPECT_EQ(gatRes[lSecond].lLinkMenu, lMenu);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, lSecond);
    EXPECT_EQ(gatRes[FindResourceByID(FindIDByName("%IDD_DIALOG1"))].lLinkMenu, 0);
    EXPECT_TRUE(GetMenu(DesignDialogWindow())) << "the dialog shown has the menu now";

    const std::string sSaved = SaveAndReopen();
    EXPECT_NE(sSaved.find("#Wrenkit Begin Menu %IDR_MENU1->%IDD_DIALOG2"), std::string::npos);
    EXPECT_NE(sSaved.find("#Wrenkit Begin Dialog %IDD_DIALOG2->%IDR_MENU1->%IDR_ACCELERATOR1"),
              std::string::npos);
    const int32_t lDialog2 = FindResourceByID(FindIDByName("%IDD_DIALOG2"));
    EXPECT_EQ(gatRes[gatRes[lDialog2].lLinkMenu].szIDName.str(), "%IDR_MENU1");
}

} // namespace
