// What the fuzz targets check besides "no crash": the counts of a project's
// tables, so that what was written can be compared with what reads back, and
// the user's own lines of a marked KVL text, as a user reads its markers.
#pragma once

#include "model/project.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "styles/control_kinds.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

struct tProjectCounts {
    int32_t lDialogs = 0, lControls = 0, lMenus = 0, lMenuItems = 0, lAccelTables = 0, lAccels = 0,
            lStrings = 0, lVersionBlocks = 0;
    bool operator==(const tProjectCounts&) const = default;
};

inline tProjectCounts CountProject() {
    tProjectCounts t;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l)) {
            t.lDialogs += (gatRes[l].lType & wkResDialog) != 0;
            // A menu without items or a key table without keys is not
            // counted: the writers leave it out,
            // and whether a reader should make one is the import-fidelity
            // work's to settle.
            bool bItems = false;
            for (int32_t m = 1; m <= glMenuCnt && !bItems; ++m) {
                bItems = gatMenu.Live(m) && gatMenu[m].lResElem == l;
            }
            t.lMenus += (gatRes[l].lType & wkResMenu) != 0 && bItems;
            bool bKeys = false;
            for (int32_t a = 1; a <= glAccelCnt && !bKeys; ++a) {
                bKeys = gatAccel.Live(a) && gatAccel[a].lResElem == l;
            }
            t.lAccelTables += (gatRes[l].lType & wkResAccel) != 0 && bKeys;
        }
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        t.lControls += gatDlg.Live(l) && gatDlg[l].lCtlType != 0;
    }
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        t.lMenuItems += gatMenu.Live(l);
    }
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        t.lAccels += gatAccel.Live(l);
    }
    for (int32_t l = 1; l <= glStrCnt; ++l) {
        t.lStrings += gatStr.Live(l);
    }
    t.lVersionBlocks = VersionBlockCount();
    return t;
}

// Counts the messages while it is installed: a text the reader complained
// about is damaged, and what a damaged text means is the reader's guess.
class CountingSeam final : public UserSeam {
  public:
    CountingSeam() : pOld(SetSeam(this)) {}
    ~CountingSeam() override { SetSeam(pOld); }
    CountingSeam(const CountingSeam&) = delete;
    CountingSeam& operator=(const CountingSeam&) = delete;
    int Ask(const std::string&, WkButtons, WkIcon, int lDefault) override {
        return lDefault == 2 ? wkAnsNo : wkAnsYes;
    }
    void Report(const std::string&, WkIcon) override { ++lReports; }
    void ShowStatus(const std::string&) override {}
    int lReports = 0;

  private:
    UserSeam* pOld;
};

// Projects that today's writers are known not to write whole, until the
// import-fidelity work lands: twin resource names (a written file can name
// each only once), names of other than plain letters, digits, "_" and "%",
// and custom controls. Their counts are not compared yet.
inline bool OutsideKnownLosses() {
    std::map<std::string, int32_t> m;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (!gatRes.Live(l)) {
            continue;
        }
        std::string s(gatRes[l].szIDName.c_str());
        for (char& c : s) {
            const bool bPlain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '_' || c == '%';
            if (!bPlain) {
                return false;
            }
            c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        if (++m[s] > 1) {
            return false;
        }
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l) && gatDlg[l].lCtlType == wkCtlCustom) {
            return false;
        }
    }
    return true;
}

// Ends the run when the counts differ, showing both.
inline void ExpectSameCounts(const tProjectCounts& a, const tProjectCounts& b, const char* szWhat) {
    if (a == b) {
        return;
    }
    std::fprintf(stderr,
                 "%s: dialogs %d/%d controls %d/%d menus %d/%d items %d/%d accel tables %d/%d "
                 "keys %d/%d strings %d/%d version blocks %d/%d\n",
                 szWhat, a.lDialogs, b.lDialogs, a.lControls, b.lControls, a.lMenus, b.lMenus,
                 a.lMenuItems, b.lMenuItems, a.lAccelTables, b.lAccelTables, a.lAccels, b.lAccels,
                 a.lStrings, b.lStrings, a.lVersionBlocks, b.lVersionBlocks);
    std::abort();
}

// Each line of s (ended by CR LF) without blanks and TABs around it.
template <class F> void ForEachTrimmedLine(std::string_view s, F fn) {
    for (std::size_t lFrom = 0; lFrom < s.size();) {
        std::size_t lEnd = s.find("\r\n", lFrom);
        lEnd = lEnd == std::string_view::npos ? s.size() : lEnd;
        std::string_view sLine = s.substr(lFrom, lEnd - lFrom);
        const std::size_t a = sLine.find_first_not_of(" \t");
        sLine = a == std::string_view::npos
                    ? std::string_view()
                    : sLine.substr(a, sLine.find_last_not_of(" \t") - a + 1);
        fn(s.substr(lFrom, lEnd - lFrom), sLine);
        lFrom = lEnd + 2;
    }
}

// The user's lines of a marked KVL text whose lines all end in CR LF, with how
// often each occurs: every line outside the designer's blocks, and every line
// after a damaged marker (a Begin without its End, an End or other marker that
// begins nothing), where only the user knows what was meant. Lines of clean
// blocks and the marker lines themselves are the designer's.
inline std::map<std::string, int32_t> UserLines(std::string_view sText) {
    enum { kOutside, kBlock, kDuplicate, kDamaged, kCopy } lState = kOutside;
    std::map<std::string, int32_t> m;
    // Lines of a block, the user's after all when the block turns out damaged.
    std::map<std::string, int32_t> mPending;
    auto fnSettle = [&](bool bUsers) {
        if (bUsers) {
            for (const auto& [s, n] : mPending) {
                m[s] += n;
            }
        }
        mPending.clear();
    };
    bool abSeen[3] = {false, false, false}; // Includes, Constants, AssignAccel: once each
    bool bCreated = false;
    auto fnUpper = [](std::string s) {
        for (char& c : s) {
            c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        }
        return s;
    };
    auto fnWord = [&](std::string_view& s) {
        const std::size_t l = s.find(' ');
        std::string sWord = fnUpper(std::string(s.substr(0, l)));
        s = l == std::string_view::npos ? std::string_view() : s.substr(l + 1);
        return sWord;
    };
    ForEachTrimmedLine(sText, [&](std::string_view sRaw, std::string_view sLine) {
        if (fnUpper(std::string(sRaw.substr(0, 9))) != "#WRENKIT " || lState == kCopy) {
            if (!sLine.empty()) {
                ++(lState == kBlock || lState == kDuplicate ? mPending : m)[std::string(sLine)];
            }
            return;
        }
        std::string_view sRest = sRaw.substr(9);
        const std::string sKey = fnWord(sRest);
        const std::string sName = fnWord(sRest);
        if (lState == kBlock || lState == kDamaged || lState == kDuplicate) {
            fnSettle(sKey != "END");
            // The marker after a second single block is passed over.
            lState = sKey == "END" || lState == kDuplicate ? kOutside : kDamaged;
            return;
        }
        const char* const aszSingle[] = {"INCLUDES", "CONSTANTS", "ASSIGNACCEL"};
        if (sKey == "BEGIN") {
            for (int i = 0; i < 3; ++i) {
                if (sName == aszSingle[i]) {
                    lState = abSeen[i] ? kDuplicate : kBlock;
                    abSeen[i] = true;
                    return;
                }
            }
            if (sName == "ACCEL" || sName == "MENU" || sName == "DIALOG") {
                lState = kBlock;
                return;
            }
        }
        if (sKey == "CREATED" && !bCreated) {
            bCreated = true; // the first marker of the file; a second one is damage
            return;
        }
        lState = sKey == "DECLARATIONS" ? kOutside : sKey == "COPY" ? kCopy : kDamaged;
    });
    fnSettle(true); // a block still open at the end of the text is damaged
    return m;
}

// Ends the run when a user line of sRead is found fewer times in sSaved.
inline void ExpectUserLinesKept(std::string_view sRead, std::string_view sSaved) {
    std::map<std::string, int32_t> mSaved;
    ForEachTrimmedLine(sSaved,
                       [&](std::string_view, std::string_view s) { ++mSaved[std::string(s)]; });
    for (const auto& [sLine, lCount] : UserLines(sRead)) {
        if (mSaved[sLine] < lCount) {
            std::fprintf(stderr, "user line lost: \"%s\" (%d of %d)\n", sLine.c_str(),
                         mSaved[sLine], lCount);
            std::abort();
        }
    }
}
