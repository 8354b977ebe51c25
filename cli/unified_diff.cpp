#include "cli/unified_diff.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> SplitLines(const std::string& s) {
    std::vector<std::string_view> asLines;
    size_t lStart = 0;
    while (lStart < s.size()) {
        size_t lEnd = s.find('\n', lStart);
        lEnd = lEnd == std::string::npos ? s.size() : lEnd + 1;
        asLines.emplace_back(s.data() + lStart, lEnd - lStart);
        lStart = lEnd;
    }
    return asLines;
}

std::string_view Shown(std::string_view s) {
    if (!s.empty() && s.back() == '\n') {
        s.remove_suffix(1);
    }
    if (!s.empty() && s.back() == '\r') {
        s.remove_suffix(1);
    }
    return s;
}

// One edit script entry: ' ' keep, '-' old line, '+' new line.
struct Edit {
    char cOp;
    int32_t lOld; // 0-based index into the old lines (for ' ' and '-')
    int32_t lNew; // 0-based index into the new lines (for ' ' and '+')
};

// Shortest edit script of the middle parts by the greedy diagonal search; when
// the texts differ in more lines than lMaxD, the middle is replaced whole,
// which is still a correct (if longer) diff.
std::vector<Edit> EditScript(const std::vector<std::string_view>& a,
                             const std::vector<std::string_view>& b) {
    int32_t n = static_cast<int32_t>(a.size());
    int32_t m = static_cast<int32_t>(b.size());
    int32_t lPre = 0;
    while (lPre < n && lPre < m && a[lPre] == b[lPre]) {
        ++lPre;
    }
    int32_t lSuf = 0;
    while (lSuf < n - lPre && lSuf < m - lPre && a[n - 1 - lSuf] == b[m - 1 - lSuf]) {
        ++lSuf;
    }
    std::vector<Edit> atOut;
    for (int32_t i = 0; i < lPre; ++i) {
        atOut.push_back({' ', i, i});
    }
    const int32_t na = n - lPre - lSuf;
    const int32_t nb = m - lPre - lSuf;
    auto A = [&](int32_t i) { return a[lPre + i]; };
    auto B = [&](int32_t j) { return b[lPre + j]; };

    const int32_t lMaxD = 2000;
    const int32_t lOffset = std::min(na + nb, lMaxD) + 1;
    std::vector<int32_t> v(2 * lOffset + 1, 0);
    std::vector<std::vector<int32_t>> aTrace;
    int32_t lFoundD = -1;
    for (int32_t d = 0; d <= na + nb && d <= lMaxD; ++d) {
        aTrace.push_back(v);
        for (int32_t k = -d; k <= d; k += 2) {
            int32_t x;
            if (k == -d || (k != d && v[lOffset + k - 1] < v[lOffset + k + 1])) {
                x = v[lOffset + k + 1];
            } else {
                x = v[lOffset + k - 1] + 1;
            }
            int32_t y = x - k;
            while (x < na && y < nb && A(x) == B(y)) {
                ++x;
                ++y;
            }
            v[lOffset + k] = x;
            if (x >= na && y >= nb) {
                lFoundD = d;
                break;
            }
        }
        if (lFoundD >= 0) {
            break;
        }
    }
    std::vector<Edit> atMid;
    if (lFoundD < 0) {
        for (int32_t i = 0; i < na; ++i) {
            atMid.push_back({'-', lPre + i, 0});
        }
        for (int32_t j = 0; j < nb; ++j) {
            atMid.push_back({'+', 0, lPre + j});
        }
    } else {
        int32_t x = na;
        int32_t y = nb;
        for (int32_t d = lFoundD; d > 0; --d) {
            const std::vector<int32_t>& vp = aTrace[d];
            const int32_t k = x - y;
            int32_t kPrev;
            if (k == -d || (k != d && vp[lOffset + k - 1] < vp[lOffset + k + 1])) {
                kPrev = k + 1;
            } else {
                kPrev = k - 1;
            }
            const int32_t xPrev = vp[lOffset + kPrev];
            const int32_t yPrev = xPrev - kPrev;
            while (x > xPrev && y > yPrev) {
                --x;
                --y;
                atMid.push_back({' ', lPre + x, lPre + y});
            }
            if (x == xPrev) {
                --y;
                atMid.push_back({'+', 0, lPre + y});
            } else {
                --x;
                atMid.push_back({'-', lPre + x, 0});
            }
        }
        while (x > 0 && y > 0) {
            --x;
            --y;
            atMid.push_back({' ', lPre + x, lPre + y});
        }
        std::reverse(atMid.begin(), atMid.end());
    }
    atOut.insert(atOut.end(), atMid.begin(), atMid.end());
    for (int32_t i = 0; i < lSuf; ++i) {
        atOut.push_back({' ', n - lSuf + i, m - lSuf + i});
    }
    return atOut;
}

} // namespace

std::string UnifiedDiff(const std::string& sOld, const std::string& sNew,
                        const std::string& sOldName, const std::string& sNewName) {
    if (sOld == sNew) {
        return std::string();
    }
    const std::vector<std::string_view> a = SplitLines(sOld);
    const std::vector<std::string_view> b = SplitLines(sNew);
    const std::vector<Edit> atEdit = EditScript(a, b);
    const int32_t lContext = 3;
    std::string sOut = "--- " + sOldName + "\n+++ " + sNewName + "\n";
    const int32_t lCount = static_cast<int32_t>(atEdit.size());
    int32_t i = 0;
    while (i < lCount) {
        while (i < lCount && atEdit[i].cOp == ' ') {
            ++i;
        }
        if (i >= lCount) {
            break;
        }
        // A hunk runs from lContext lines before the first change to lContext
        // lines after the last change that lies within 2 * lContext of the next.
        const int32_t lStart = std::max(0, i - lContext);
        int32_t lEnd = i;
        int32_t lKeep = 0;
        for (int32_t j = i; j < lCount; ++j) {
            if (atEdit[j].cOp == ' ') {
                if (++lKeep > 2 * lContext) {
                    break;
                }
            } else {
                lKeep = 0;
                lEnd = j;
            }
        }
        lEnd = std::min(lCount - 1, lEnd + lContext);
        int32_t lOldStart = -1, lNewStart = -1, lOldCnt = 0, lNewCnt = 0;
        for (int32_t j = lStart; j <= lEnd; ++j) {
            const Edit& t = atEdit[j];
            if (t.cOp != '+') {
                lOldStart = lOldStart < 0 ? t.lOld : lOldStart;
                ++lOldCnt;
            }
            if (t.cOp != '-') {
                lNewStart = lNewStart < 0 ? t.lNew : lNewStart;
                ++lNewCnt;
            }
        }
        auto Range = [](int32_t lFirst, int32_t lCnt) {
            // An empty side names the line before it, as diff tools do.
            const int32_t lLine = lCnt == 0 ? lFirst : lFirst + 1;
            return std::to_string(lLine) + "," + std::to_string(lCnt);
        };
        if (lOldStart < 0) {
            lOldStart = lStart < lCount && atEdit[lStart].cOp == '+' ? atEdit[lStart].lOld : 0;
        }
        if (lNewStart < 0) {
            lNewStart = 0;
        }
        sOut += "@@ -" + Range(lOldStart, lOldCnt) + " +" + Range(lNewStart, lNewCnt) + " @@\n";
        for (int32_t j = lStart; j <= lEnd; ++j) {
            const Edit& t = atEdit[j];
            const std::string_view sLine = t.cOp == '+' ? b[t.lNew] : a[t.lOld];
            sOut += t.cOp;
            sOut += Shown(sLine);
            sOut += '\n';
            if (sLine.empty() || sLine.back() != '\n') {
                sOut += "\\ No newline at end of file\n";
            }
        }
        i = lEnd + 1;
    }
    return sOut;
}
