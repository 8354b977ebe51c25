// The indexed searches against the plain scans they replace, on long random
// sequences of the edits the program makes: adds, updates through the Update
// operations and through W()/Ptr() references (also held across a search of
// the same table), deletes with and without trimming, writable walks, the ID
// editor's reordering and ClearProject.
#include "model_fixture.h"

#include "model/table_index.h"
#include "styles/catalog.h"

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

template <class T, class Pred> int32_t ScanFrom(const Table<T>& at, int32_t lAfter, Pred bHit) {
    for (int32_t l = lAfter < 0 ? 1 : lAfter + 1; l <= at.Count(); ++l) {
        if (at.Live(l) && bHit(at[l])) {
            return l;
        }
    }
    return 0;
}

int32_t ScanIDName(std::string_view s) {
    if (s.empty()) {
        return 0;
    }
    s = s.substr(0, 32);
    return ScanFrom(gatID, 0, [&](const tID& t) { return SameIDName(t.szIDName, s); });
}

bool ScanNameUnique(int32_t lOwn, std::string_view s) {
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (l != lOwn && gatID.Live(l) && SameIDName(gatID[l].szIDName, s)) {
            return false;
        }
    }
    return true;
}

class IndexTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        bSelfCheck = gbIndexSelfCheck;
        gbIndexSelfCheck = false; // compare the index's own answers
        glIndexRepairs = 0;
    }
    void TearDown() override {
        gbIndexSelfCheck = bSelfCheck;
        ModelTest::TearDown();
    }

    // A small name space, so names repeat, differ only in case and get reused.
    std::string Name() {
        static const char* const aszBase[] = {"%IDC_A", "%idc_a",    "%IDC_B", "%IDD_X",
                                              "%IdD_x", "%IDM_FILE", ""};
        std::string s = aszBase[Pick(7)];
        if (Pick(3) != 0) {
            s += std::to_string(Pick(12));
        }
        if (Pick(40) == 0) {
            s += std::string(40, 'Q'); // longer than a stored name
        }
        return s;
    }
    int32_t Elem(int32_t lCnt) {
        return static_cast<int32_t>(Pick(static_cast<uint32_t>(lCnt) + 3)) - 1;
    }
    uint32_t Pick(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(tRng); }

    void Step() {
        const int32_t lID = Elem(glIDCnt);
        switch (Pick(22)) {
        case 0:
        case 1:
            AddID(Name(), std::to_string(Pick(50)), 0);
            break;
        case 2:
            UpdateID(lID, Name(), "1", 0);
            break;
        case 3:
            DeleteID(lID);
            break;
        case 4:
            gatID.MarkDeleted(lID);
            break;
        case 5:
            gatID.W(lID).szIDName = Name();
            break;
        case 6:
            if (tID* p = gatID.Ptr(lID)) {
                p->byDeleted = static_cast<uint8_t>(Pick(2));
            }
            break;
        case 7: {
            // A reference held across a search of the same table.
            tID& t = gatID.W(lID);
            (void)FindIDByName(Name());
            t.szIDName = Name();
            break;
        }
        case 8: {
            std::string s = Name();
            MakeIDNameUnique(lID, s);
            break;
        }
        case 9:
            AddResource(Name(), wkResDialog, Elem(glIDCnt), Pick(4) == 0 ? AddDynStr(Name()) : 0);
            break;
        case 10:
            gatRes.W(Elem(glResCnt)).lIDElem = Elem(glIDCnt);
            break;
        case 11:
            DeleteResourceRow(Elem(glResCnt));
            break;
        case 12: {
            tDlg t{};
            t.lIDElem = Elem(glIDCnt);
            t.lResElem = Elem(glResCnt);
            t.lCtlType = static_cast<int32_t>(Pick(3));
            AddDlgRow(t);
            break;
        }
        case 13:
            if (tDlg* p = gatDlg.Ptr(Elem(glDlgCnt))) {
                p->lIDElem = Elem(glIDCnt);
                p->lResElem = Pick(2) ? p->lResElem : Elem(glResCnt);
                p->lCtlType = Pick(2) ? p->lCtlType : 0;
            }
            break;
        case 14:
            DeleteDlgRow(Elem(glDlgCnt));
            break;
        case 15:
            AddMenuItem(Elem(glIDCnt), 1, 0, 0, wkMenuItem, 0, 0, "x");
            UpdateMenuItem(Elem(glMenuCnt), Elem(glIDCnt), 1, 0, 0, wkMenuItem, 0, 0, "y");
            break;
        case 16:
            AddAccel(Elem(glIDCnt), 1, 65, 0);
            DeleteAccel(Elem(glAccelCnt));
            UpdateAccel(Elem(glAccelCnt), Elem(glIDCnt), 1, 66, 0);
            break;
        case 17:
            AddStr(Elem(glIDCnt), "s");
            UpdateStr(Elem(glStrCnt), Elem(glIDCnt), "t");
            if (Pick(2)) {
                DeleteStr(Elem(glStrCnt));
            }
            break;
        case 18:
            // A writable walk may change any row.
            for (tID& t : gatID) {
                if (Pick(8) == 0) {
                    t.szIDName = Name();
                }
            }
            break;
        case 19: {
            // The ID editor's reordering.
            std::vector<tID> at(gatID.begin(), gatID.end());
            std::shuffle(at.begin(), at.end(), tRng);
            gatID.Assign(std::move(at));
            break;
        }
        case 20:
            if (Pick(30) == 0) {
                ClearProject();
            }
            break;
        default: {
            // A data resource whose file name changes in the string pool.
            int32_t lRes = Elem(glResCnt);
            if (gatRes.InRange(lRes)) {
                SetDynStr(gatRes.W(lRes).lRCDataElem, Name());
            }
            break;
        }
        }
    }

    void CompareAll() {
        for (int i = 0; i < 6; ++i) {
            const std::string s = Name();
            ASSERT_EQ(FindIDByName(s), ScanIDName(s)) << s;
            const int32_t lOwn = Elem(glIDCnt);
            ASSERT_EQ(IsIDNameUnique(lOwn, s) != 0, ScanNameUnique(lOwn, s)) << s;
            ASSERT_EQ(FindDataResource(s), ScanFrom(gatRes, 0,
                                                    [&](const tRes& t) {
                                                        return !s.empty() && t.lRCDataElem != 0 &&
                                                               SameIDName(gasDynStr[t.lRCDataElem],
                                                                          s);
                                                    }))
                << s;
        }
        for (int32_t lIDElem = -1; lIDElem <= glIDCnt + 1; ++lIDElem) {
            auto bID = [&](const auto& t) { return lIDElem > 0 && t.lIDElem == lIDElem; };
            ASSERT_EQ(FindResourceByID(lIDElem), ScanFrom(gatRes, 0, bID));
            ASSERT_EQ(FindDialogRow(lIDElem), ScanFrom(gatDlg, 0, [&](const tDlg& t) {
                          return lIDElem > 0 && t.lResElem == lIDElem && t.lCtlType == 0;
                      }));
            ASSERT_EQ(FindMenuItemByID(lIDElem), ScanFrom(gatMenu, 0, bID));
            ASSERT_EQ(FindAccelByID(lIDElem), ScanFrom(gatAccel, 0, bID));
            ASSERT_EQ(FindStrByID(lIDElem), ScanFrom(gatStr, 0, bID));
            const int32_t lAfter = Elem(glDlgCnt);
            ASSERT_EQ(FindNextDlgRowByID(lIDElem, lAfter), ScanFrom(gatDlg, lAfter, bID));
        }
    }

    std::mt19937 tRng;
    bool bSelfCheck = false;
};

TEST_F(IndexTest, EveryAnswerEqualsThePlainScanOnRandomEdits) {
    for (uint32_t lSeed : {1u, 2u, 3u, 4u}) {
        tRng.seed(lSeed);
        ClearProject();
        for (int i = 0; i < 3000; ++i) {
            Step();
            if (i % 3 == 0) {
                CompareAll();
                if (HasFatalFailure()) {
                    FAIL() << "seed " << lSeed << " step " << i;
                }
            }
        }
    }
    EXPECT_EQ(glIndexRepairs, 0);
}

TEST_F(IndexTest, ReferenceHeldAcrossManyTouchesOfOtherRowsStillCounts) {
    for (int32_t l = 1; l <= 20; ++l) {
        AddID("%ID" + std::to_string(l), "1", 0);
    }
    tID& t = gatID.W(3);
    EXPECT_EQ(FindIDByName("%ID3"), 3);
    t.szIDName = "%RENAMED";
    EXPECT_EQ(FindIDByName("%renamed"), 3);
    EXPECT_EQ(FindIDByName("%ID3"), 0);
    // An add settles the rows noted before it, but a write made through a
    // reference before the add is still seen, also when that row was handed
    // out twice in a row.
    tID& tAgain = gatID.W(4);
    EXPECT_EQ(FindIDByName("%ID4"), 4);
    gatID.W(4).lUsedBy = 1;
    tAgain.szIDName = "%FOURTH";
    AddID("%ID21", "1", 0);
    EXPECT_EQ(FindIDByName("%fourth"), 4);
    EXPECT_EQ(FindIDByName("%ID21"), 21);
    // A bulk change far beyond the log's length starts the index afresh.
    for (int i = 0; i < 10000; ++i) {
        gatID.W(1 + i % 20).lUsedBy = i;
    }
    gatID.W(7).szIDName = "%SEVEN";
    EXPECT_EQ(FindIDByName("%seven"), 7);
    EXPECT_EQ(glIndexRepairs, 0);
}

TEST_F(IndexTest, TrimmedRowsAreNotFoundAndAReturningElementIsReadAgain) {
    AddID("%A", "1", 0);
    int32_t lB = AddID("%B", "2", 0);
    EXPECT_EQ(FindIDByName("%B"), lB);
    DeleteID(lB);
    EXPECT_EQ(FindIDByName("%B"), 0);
    EXPECT_EQ(AddID("%C", "3", 0), lB);
    EXPECT_EQ(FindIDByName("%B"), 0);
    EXPECT_EQ(FindIDByName("%c"), lB);
    gatID.Resize(5); // zero rows with empty names
    EXPECT_EQ(IsIDNameUnique(0, ""), 0);
    EXPECT_EQ(FindIDByName(""), 0);
    EXPECT_EQ(glIndexRepairs, 0);
}

TEST_F(IndexTest, UnnoticedChangeFallsBackToTheScan) {
    AddID("%A", "1", 0);
    AddID("%B", "2", 0);
    for (int32_t l = 1; l <= 12; ++l) {
        AddID("%X" + std::to_string(l), "3", 0);
    }
    // A reference taken long before the latest notes of the log.
    tID& t = gatID.W(1);
    EXPECT_EQ(FindIDByName("%A"), 1);
    for (int32_t l = 3; l <= 14; ++l) {
        gatID.W(l).lUsedBy = l;
    }
    EXPECT_EQ(FindIDByName("%A"), 1);
    t.szIDName = "%B";
    // Row 1 is still listed under "%A"; its check fails and the scan answers.
    EXPECT_EQ(FindIDByName("%A"), 0);
    EXPECT_EQ(glIndexRepairs, 1);
    EXPECT_EQ(FindIDByName("%b"), 1);
    EXPECT_EQ(glIndexRepairs, 1);
}

TEST_F(IndexTest, CatalogLookupsMatchTheSectionScans) {
    LoadStylesCatalog();
    for (int32_t lClass = 0; lClass <= glClassCnt + 1; ++lClass) {
        const tClass& tSec = gatClass[lClass];
        EXPECT_EQ(FindClass(tSec.CLASS.str()), lClass == 0 || lClass > glClassCnt ? 0 : lClass);
        for (int32_t l = 1; l <= glStyleCnt; ++l) {
            const tStyle& t = gatStyle[l];
            int32_t lValue = 0;
            int32_t lName = 0;
            for (int32_t s = tSec.First; tSec.First != 0 && s <= tSec.Last; ++s) {
                lValue = lValue ? lValue : (gatStyle[s].lValue == t.lValue ? s : 0);
                lName = lName ? lName : (gatStyle[s].szName == t.szName.view() ? s : 0);
            }
            ASSERT_EQ(FindStyleByValue(lClass, t.lValue), lValue) << lClass << " " << l;
            ASSERT_EQ(FindStyleByName(lClass, t.szName.view()), lClass ? lName : 0) << l;
        }
    }
    EXPECT_EQ(FindClass("button"), FindClass("BUTTON"));
    EXPECT_NE(FindClass("button"), 0);
    EXPECT_EQ(FindStyleByName(FindClass("WindowStyles"), "%ws_child"), 0); // names keep their case
    EXPECT_EQ(glIndexRepairs, 0);
}

} // namespace
