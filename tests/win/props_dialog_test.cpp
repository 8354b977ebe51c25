// The Properties dialog on the real design surface, driven with the mouse and
// the keyboard: what Apply writes to the row, to the live window and to the
// saved files, and what a refused or cancelled edit leaves alone.
#include "tests/win/designer_fixture.h"

#include "app/file_commands.h"
#include "app/files/file_ops.h"
#include "model/fonts.h"
#include "model/id_names.h"
#include "props/properties_dialog.h"
#include "props/props_ids.h"
#include "props/rules/favorites.h"
#include "props/rules/prop_apply.h"

#include <algorithm>
#include <fstream>

namespace {

class Props : public DesignerTest {
  protected:
    void TearDown() override {
        if (HWND h = PropertiesWindow()) {
            SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
        }
        DesignerTest::TearDown();
    }

    // Properties of control lElem (0: the dialog), opened as F4 does.
    static HWND Open(int32_t lElem) {
        gtElem.lCtl = lElem ? lElem : gtElem.lDlg;
        Command(IDM_PROPERTIES);
        PumpMessages(80);
        return PropertiesWindow();
    }
    static HWND Page(int lTab) {
        const int lMark[3] = {IDC_PROP_CAPTION, IDC_PROP_STYLELIST, IDC_PROP_LEFT};
        for (HWND h = GetWindow(PropertiesWindow(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (GetDlgItem(h, lMark[lTab])) {
                return h;
            }
        }
        return nullptr;
    }
    // Real keys for a text: capitals and "&" with Shift.
    static void Type(const std::string& s) {
        for (char c : s) {
            if (c == '&') {
                SendKeys({VK_SHIFT, '7'});
            } else if (c == '_') {
                SendKeys({VK_SHIFT, VK_OEM_MINUS});
            } else if (c >= 'A' && c <= 'Z') {
                SendKeys({VK_SHIFT, static_cast<WORD>(c)});
            } else {
                SendKeys({static_cast<WORD>(std::toupper(static_cast<unsigned char>(c)))});
            }
        }
        PumpLikeTheProgram(40);
    }
    // Clicks into a box, empties it and types the text.
    static void Retype(HWND hBox, const std::string& s) {
        Click(Centre(hBox));
        SendKeys({VK_END});
        for (int i = GetWindowTextLengthA(hBox); i > 0; --i) {
            SendKeys({VK_BACK});
        }
        Type(s);
    }
    static void ClickApply() {
        Click(Centre(GetDlgItem(PropertiesWindow(), IDC_PROP_APPLY)));
        PumpMessages(80);
    }
    // Clicks the entry of a style check list.
    static void ClickStyle(int lList, const std::string& sName) {
        const tStylePages t = FillStylePages(gatDlg[gtElem.lCtl]);
        const auto& at = lList == IDC_PROP_STYLELIST ? t.atStyle : t.atExStyle;
        const auto it =
            std::find_if(at.begin(), at.end(), [&](auto& e) { return e.sName == sName; });
        ASSERT_NE(it, at.end()) << sName;
        const WPARAM i = static_cast<WPARAM>(it - at.begin());
        HWND hList = GetDlgItem(Page(1), lList);
        SendMessageA(hList, LB_SETTOPINDEX, i, 0);
        RECT r{};
        SendMessageA(hList, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(hList, nullptr, reinterpret_cast<POINT*>(&r), 2);
        Click({r.left + 30, (r.top + r.bottom) / 2});
    }
    // Shows page lTab with Ctrl+Tab, as the user would.
    static void ToPage(int lTab) {
        for (int i = 0; i < 3 && !IsWindowVisible(Page(lTab)); ++i) {
            SendKeys({VK_CONTROL, VK_TAB});
            PumpLikeTheProgram(60);
        }
    }
    static std::string ComboText(HWND hCombo) {
        char sz[80] = "";
        const LRESULT l = SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
        SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(l), reinterpret_cast<LPARAM>(sz));
        return l < 0 ? "" : sz;
    }
    static bool Chosen(const char* szName) {
        return SendDlgItemMessageA(Page(1), IDC_PROP_CHOSEN, LB_FINDSTRINGEXACT,
                                   static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(szName)) != LB_ERR;
    }
    static int32_t RowOfKind(int32_t lKind) {
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            if (gatDlg.Live(l) && gatDlg[l].lResElem == gtElem.lResDlg &&
                gatDlg[l].lCtlType == lKind) {
                return l;
            }
        }
        return 0;
    }
};

TEST_F(Props, SampleButtonAndTextBoxEditedAppliedSavedAndReopened) {
    ASSERT_TRUE(OpenFile(SourcePath("examples/sample.bas"), 1));
    PumpMessages(100);
    const int32_t lButton = RowOfKind(wkCtlButton);
    const int32_t lText = RowOfKind(wkCtlTextBox);
    ASSERT_TRUE(lButton && lText);
    const tDlgRect tRect = RectOf(lButton);

    HWND hDlg = Open(lButton);
    ASSERT_TRUE(hDlg);
    EXPECT_EQ(WindowText(hDlg), "Button Properties");
    EXPECT_FALSE(IsWindowEnabled(ghWndMain));
    EXPECT_FALSE(ghToolbox && IsWindowVisible(ghToolbox));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(0), IDC_PROP_FOREBTN)))
        << "buttons take no colour";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_PROP_APPLY)));

    Retype(GetDlgItem(Page(0), IDC_PROP_CAPTION), "&Go");
    Retype(GetWindow(GetDlgItem(Page(0), IDC_PROP_IDNAME), GW_CHILD), "IDC_GO");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_PROP_APPLY)));
    EXPECT_EQ(gatID[gatDlg[lButton].lIDElem].szIDName.str(), "%IDC_BUTTON1")
        << "nothing before Apply";
    SendKeys({VK_CONTROL, VK_TAB});
    PumpLikeTheProgram(60);
    EXPECT_TRUE(IsWindowVisible(Page(1)));
    ClickStyle(IDC_PROP_STYLELIST, "%BS_FLAT");
    EXPECT_NE(WindowText(GetDlgItem(Page(1), IDC_PROP_STYLECOUNT)), "Count: 0");
    SendKeys({VK_CONTROL, VK_TAB});
    PumpLikeTheProgram(60);
    ClickApply();

    EXPECT_EQ(WindowText(GetDlgItem(Page(0), IDC_PROP_IDNAME)), "%IDC_GO");
    EXPECT_EQ(GetDynStr(gatDlg[lButton].lCaptionElem), "&Go");
    EXPECT_EQ(gatID[gatDlg[lButton].lIDElem].szIDName.str(), "%IDC_GO");
    EXPECT_TRUE(gatDlg[lButton].lStyle & BS_FLAT);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_PROP_APPLY)));
    // The control was made anew for the style: same rectangle, still selected.
    EXPECT_TRUE(GetWindowLongA(Row(lButton), GWL_STYLE) & BS_FLAT);
    EXPECT_EQ(WindowText(Row(lButton)), "&Go");
    EXPECT_EQ(std::memcmp(&tRect, &gatDlg[lButton].nLeft, sizeof(tRect)), 0);
    EXPECT_EQ(gtElem.lCtl, lButton);
    Click(Centre(GetDlgItem(hDlg, IDOK)));
    PumpMessages(60);
    EXPECT_FALSE(PropertiesWindow());
    EXPECT_TRUE(IsWindowEnabled(ghWndMain));

    // The text box: a colour from the popup and a font from the font dialog.
    hDlg = Open(lText);
    ASSERT_TRUE(hDlg);
    EXPECT_EQ(WindowText(hDlg), "Text/Edit Box Properties");
    SendKeys({VK_CONTROL, VK_TAB}); // from Position && Size, remembered, round to General
    PumpLikeTheProgram(60);
    EXPECT_TRUE(IsWindowVisible(Page(0)));
    WatchFor("Colors", [](HWND hPopup) {
        ClickWindow(GetDlgItem(hPopup, IDC_COLOR_FIRST + 5)); // &H0000FF
    });
    PressButton(Page(0), IDC_PROP_BACKBTN);
    PumpUntil([] { return ModalWatches().empty(); }, 5000);
    PumpMessages(100);
    EXPECT_NE(IsDlgButtonChecked(Page(0), IDC_PROP_BACKSYS), BST_CHECKED);
    WatchFor("Font", [](HWND hFont) {
        // Bold in the style list of the common font dialog.
        HWND hStyle = GetDlgItem(hFont, 0x471);
        SendMessageA(hStyle, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>("Bold"));
        SendMessageA(hFont, WM_COMMAND, MAKEWPARAM(0x471, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(hStyle));
        PressButton(hFont, IDOK);
    });
    PressButton(Page(0), IDC_PROP_FONTBTN);
    PumpUntil([] { return ModalWatches().empty(); }, 5000);
    PumpMessages(100);
    ClickApply();
    EXPECT_EQ(gatDlg[lText].byBackClrUsed, 1);
    EXPECT_EQ(gatDlg[lText].lBackClr, 0x0000FF);
    EXPECT_EQ(WindowText(GetDlgItem(Page(0), IDC_PROP_FONTSIZE)),
              FontSizeLine(gahFont[gatDlg[lText].lFontElem]));
    EXPECT_EQ(gahFont[gatDlg[lText].lFontElem].lWeight, FW_BOLD);
    Click(Centre(GetDlgItem(hDlg, IDOK)));
    PumpMessages(60);

    // Saved and read back.
    const std::string sFile = TempFolder() + "wk_props_sample.bas";
    ASSERT_TRUE(SaveFileAs(sFile, 1));
    const std::string sKvl = ReadFileWhole(sFile);
    EXPECT_NE(sKvl.find("%IDC_GO, \"&Go\""), std::string::npos);
    EXPECT_NE(sKvl.find("%BS_FLAT"), std::string::npos);
    ASSERT_TRUE(OpenFile(sFile, 1));
    PumpMessages(100);
    const int32_t lReopened = RowOfKind(wkCtlButton);
    EXPECT_EQ(gatID[gatDlg[lReopened].lIDElem].szIDName.str(), "%IDC_GO");
    EXPECT_TRUE(gatDlg[lReopened].lStyle & BS_FLAT);
    EXPECT_EQ(gatDlg[RowOfKind(wkCtlTextBox)].lBackClr, 0x0000FF);
    DeleteFileA(sFile.c_str());
}

TEST_F(Props, RefusedAndCancelledEditsLeaveTheRowAlone) {
    Design({{wkCtlLabel, {5, 5, 60, 15}, "Label"}, {wkCtlProgress, {5, 30, 80, 40}, nullptr}});
    const int32_t lLabel = Controls(gtElem.lResDlg)[0];
    const int32_t lBar = Controls(gtElem.lResDlg)[1];
    const tDlg tBefore = gatDlg[lLabel];

    HWND hDlg = Open(lLabel);
    ASSERT_TRUE(hDlg);
    Retype(GetDlgItem(Page(0), IDC_PROP_CAPTION), "&Save &Exit");
    Retype(GetDlgItem(Page(0), IDC_PROP_IDVALUE), "70000");
    Answer("Wrenkit", IDOK);
    ClickApply();
    PumpUntil([] { return ModalWatches().empty(); }, 5000);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText.rfind("The ampersand (&) in a caption", 0), 0u);
    EXPECT_EQ(std::memcmp(&tBefore, &gatDlg[lLabel], sizeof(tDlg)), 0);
    EXPECT_EQ(GetFocus(), GetDlgItem(Page(0), IDC_PROP_CAPTION));
    EXPECT_EQ(WindowText(GetDlgItem(Page(0), IDC_PROP_IDVALUE)),
              std::to_string(FirstFreeIDValue(1001, 65535)))
        << "corrected and shown";

    Retype(GetDlgItem(Page(0), IDC_PROP_CAPTION), "Save && E&xit");
    ClickApply();
    EXPECT_EQ(GetDynStr(gatDlg[lLabel].lCaptionElem), "Save && E&xit");
    EXPECT_EQ(WindowText(Row(lLabel)), "Save && E&xit");

    // Cancel writes nothing.
    const tDlg tApplied = gatDlg[lLabel];
    Retype(GetDlgItem(Page(0), IDC_PROP_CAPTION), "Other");
    Click(Centre(GetDlgItem(hDlg, IDCANCEL)));
    PumpMessages(60);
    EXPECT_FALSE(PropertiesWindow());
    EXPECT_EQ(std::memcmp(&tApplied, &gatDlg[lLabel], sizeof(tDlg)), 0);

    // The Apply is one step: Ctrl+Z takes the caption back, Ctrl+Y again.
    SendKeys({VK_CONTROL, 'Z'});
    PumpLikeTheProgram(150);
    EXPECT_EQ(GetDynStr(gatDlg[lLabel].lCaptionElem), "Label");
    EXPECT_EQ(WindowText(Row(lLabel)), "Label");
    SendKeys({VK_CONTROL, 'Y'});
    PumpLikeTheProgram(150);
    EXPECT_EQ(GetDynStr(gatDlg[lLabel].lCaptionElem), "Save && E&xit");

    // A progress bar takes no colours.
    ASSERT_TRUE(Open(lBar));
    EXPECT_EQ(WindowText(PropertiesWindow()), "Progress Bar Properties");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(0), IDC_PROP_BACKBTN)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Page(0), IDC_PROP_FORESYS)));

    // F1 on a style list asks for the compiler's help at the kind's topic.
    ToPage(1);
    SetFocus(GetDlgItem(Page(1), IDC_PROP_STYLELIST));
    Answer("Wrenkit", IDOK);
    SendKeys({VK_F1});
    PumpLikeTheProgram(100);
    PumpUntil([] { return ModalWatches().empty(); }, 5000);
    ASSERT_EQ(SeenBoxes().size(), 2u);
    EXPECT_EQ(SeenBoxes()[1].sText, "File is not found: " + ProgramFolder() + "KVWIN.HLP");
}

TEST_F(Props, AFavouriteStyleIsCreatedChosenAndGivenToNewLabels) {
    Design({{wkCtlLabel, {5, 5, 60, 15}, "Label"}});
    const int32_t lLabel = Controls(gtElem.lResDlg)[0];
    ASSERT_TRUE(Open(lLabel));
    ToPage(1);
    HWND hFav = GetDlgItem(Page(1), IDC_PROP_FAVSTYLES);
    EXPECT_EQ(SendMessageA(hFav, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(ComboText(hFav), "<Standard Styles>");
    ClickStyle(IDC_PROP_STYLELIST, "%SS_CENTER");

    // Create New from the right click on the combo, named in its own dialog.
    WatchFor("Create New Favorite", [](HWND) {
        Type("mid");
        SendKeys({VK_RETURN});
    });
    RightClick(Centre(hFav), {'C'});
    PumpUntil([] { return ModalWatches().empty(); }, 5000);
    PumpMessages(100);
    ASSERT_EQ(ReadFavorites(wkFavStyles, wkCtlLabel).size(), 1u);
    EXPECT_EQ(ComboText(hFav), "mid");
    // Set as Default from the arrow label.
    PickFromMenu([] { Click(Centre(GetDlgItem(Page(1), IDC_PROP_FAVSTYLEMENU))); }, {'S'});
    PumpMessages(100);
    EXPECT_EQ(DefaultFavorite(wkFavStyles, wkCtlLabel), "mid");
    EXPECT_EQ(ComboText(hFav), "<Default> mid");

    // Choosing the standard changes the page, not the row, until Apply. (The
    // keys choose in the closed list: Enter would press OK.)
    SetFocus(hFav);
    SendKeys({VK_END});
    PumpLikeTheProgram(80);
    EXPECT_EQ(ComboText(hFav), "<Standard Styles>");
    EXPECT_TRUE(Chosen("%SS_LEFT"));
    EXPECT_FALSE(Chosen("%SS_CENTER"));
    EXPECT_EQ(gatDlg[lLabel].lStyle & 3, SS_LEFT);
    SendKeys({VK_HOME});
    PumpLikeTheProgram(80);
    EXPECT_TRUE(Chosen("%SS_CENTER"));
    ClickApply();
    ASSERT_TRUE(PropertiesWindow());
    EXPECT_EQ(gatDlg[lLabel].lStyle & 3, SS_CENTER);
    Click(Centre(GetDlgItem(PropertiesWindow(), IDOK)));
    PumpMessages(60);
    EXPECT_EQ(GetAncestor(WindowFromPoint(Centre(Row(lLabel))), GA_ROOT), DesignDialogWindow())
        << "the design dialog is in front again";

    // A label placed now starts centred, in the one step that made it; a button does not.
    for (int32_t lKind : {wkCtlLabel, wkCtlButton}) {
        RECT r{};
        HWND hBar = GetDlgItem(ghToolbox, IDB_TOOLBOX);
        SendMessageA(hBar, TB_GETRECT, static_cast<WPARAM>(IDT_SELECT + lKind),
                     reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(hBar, nullptr, reinterpret_cast<POINT*>(&r), 2);
        Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2}); // a double-click on the tool
        Click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
        PumpMessages(100);
    }
    ASSERT_EQ(Controls(gtElem.lResDlg).size(), 3u);
    const int32_t lNew = Controls(gtElem.lResDlg)[1];
    EXPECT_EQ(gatDlg[lNew].lStyle & 3, SS_CENTER);
    EXPECT_EQ(GetWindowLongA(Row(lNew), GWL_STYLE) & 3, SS_CENTER);
    EXPECT_EQ(gatDlg[Controls(gtElem.lResDlg)[2]].lStyle & 0xF, BS_PUSHBUTTON);
    SendKeys({VK_CONTROL, 'Z'});
    PumpLikeTheProgram(150);
    SendKeys({VK_CONTROL, 'Z'});
    PumpLikeTheProgram(150);
    EXPECT_EQ(Controls(gtElem.lResDlg).size(), 1u);

    // The settings file read again: the favourite is the selected default.
    ASSERT_TRUE(Open(lLabel));
    ToPage(1);
    EXPECT_EQ(ComboText(GetDlgItem(Page(1), IDC_PROP_FAVSTYLES)), "<Default> mid");
}

TEST_F(Props, TheImageBrowserPreviewsABitmapAndTheImageFitsItAfterApply) {
    // A 16 x 8 bitmap of 24 bits, alone in a folder of its own.
    const std::string sDir = TempFolder() + "wk_preview_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(sDir.c_str(), nullptr);
    const std::string sFile = sDir + "\\pic.bmp";
    std::string s(438, '\0');
    const uint32_t al[] = {438, 0, 54, 40, 16, 8, 0x180001, 0, 384};
    s[0] = 'B';
    s[1] = 'M';
    std::memcpy(&s[2], al, sizeof(al));
    std::ofstream(sFile, std::ios::binary) << s;
    Design({{wkCtlImage, {5, 5, 40, 25}, nullptr}});
    const int32_t lImage = Controls(gtElem.lResDlg)[0];
    ASSERT_TRUE(Open(lImage));
    SetDlgItemTextA(Page(0), IDC_PROP_CAPTION, sFile.c_str());
    std::string sSize;
    WatchFor("Select Image", [&sSize](HWND hOpen) {
        // The file list takes the focus; Home selects the bitmap.
        HWND hList = nullptr;
        EnumChildWindows(
            hOpen,
            [](HWND h, LPARAM p) -> BOOL {
                const bool bList = WindowClassName(h) == "SysListView32";
                *reinterpret_cast<HWND*>(p) = bList ? h : nullptr;
                return !bList;
            },
            reinterpret_cast<LPARAM>(&hList));
        SetFocus(hList);
        SendKeys({VK_HOME});
        PumpUntil([&] { return !WindowText(FindVisibleControl(hOpen, IDC_PREVIEW_SIZE)).empty(); },
                  3000);
        sSize = WindowText(FindVisibleControl(hOpen, IDC_PREVIEW_SIZE));
        PressButton(hOpen, IDOK);
    });
    PressButton(Page(0), IDC_PROP_BROWSE);
    PumpUntil([] { return ModalWatches().empty(); }, 8000);
    EXPECT_EQ(sSize, "Size: 16 x 8");
    // The bitmap type follows the file; the picture sizes the control.
    ClickApply();
    EXPECT_TRUE(gatDlg[lImage].lStyle & SS_BITMAP);
    EXPECT_NEAR(RectOf(lImage).nRight - RectOf(lImage).nLeft, PixelsToDlgX(16), 1);
    EXPECT_NEAR(RectOf(lImage).nBottom - RectOf(lImage).nTop, PixelsToDlgY(8), 1);
    DeleteFileA(sFile.c_str());
    RemoveDirectoryA(sDir.c_str());
}

} // namespace
