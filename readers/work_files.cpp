#include "readers/work_files.h"

#include "model/large_pages.h"
#include "readers/source_text.h"

#include <unordered_map>
#include <utility>

int32_t (*gpfnWorkFileFails)() = nullptr;

int32_t OpenWorkFile(tWorkFile& tFile, std::size_t lMost) {
    CloseWorkFile(tFile);
    if (gpfnWorkFileFails) {
        int32_t lErr = gpfnWorkFileFails();
        if (lErr != 0) {
            return lErr;
        }
    }
    tFile.sText.reserve(lMost);
    AdviseLargePages(tFile.sText.data(), tFile.sText.capacity());
    tFile.lOpen = 1;
    return 0;
}

int32_t AppendWorkFile(tWorkFile& tFile, std::string_view sBytes) {
    // The readers refuse texts whose positions would not fit 32 bits, and a work
    // file never holds more than the text it was cut from.
    int32_t lPos = static_cast<int32_t>(tFile.sText.size()) + 1;
    tFile.sText.append(sBytes);
    return lPos;
}

std::string WorkFileText(const tWorkFile& tFile, int32_t lFilePos, int32_t lLen) {
    if (lFilePos < 1 || lLen <= 0) {
        return std::string();
    }
    std::size_t lStart = static_cast<std::size_t>(lFilePos) - 1;
    if (lStart >= tFile.sText.size()) {
        return std::string();
    }
    return tFile.sText.substr(lStart, static_cast<std::size_t>(lLen));
}

std::string BlockUserText(const tBlock& tRow) {
    return tRow.lType == 0 ? WorkFileText(gtDoc.tWork, tRow.lFilePos, tRow.lLen) : std::string();
}

void CloseWorkFile(tWorkFile& tFile) {
    tFile.lOpen = 0;
    std::string().swap(tFile.sText);
}

void CloseWorkFiles() {
    gatUnkeptLine.clear();
    gatRCUnkeptLine.clear();
    CloseWorkFile(gtDoc.tWork);
    CloseWorkFile(gtDoc.tRCWork);
    CloseWorkFile(gtDoc.tPreImport);
    CloseWorkFile(gtDoc.tRCPreImport);
}

std::vector<tUnkeptLine> gatUnkeptLine;
std::vector<tUnkeptLine> gatRCUnkeptLine;

namespace {

// Calls fn(line, number) for each line of s; CR, LF and CR LF end a line, and
// the number counts CRs, as the readers count lines.
template <class F> void ForEachLine(std::string_view s, int32_t lLine, F fn) {
    std::size_t lFrom = 0;
    while (lFrom <= s.size()) {
        std::size_t lEnd = s.find_first_of("\r\n", lFrom);
        if (lEnd == std::string_view::npos) {
            lEnd = s.size();
        }
        fn(TrimText(s.substr(lFrom, lEnd - lFrom)), lLine);
        if (lEnd >= s.size()) {
            break;
        }
        if (s[lEnd] == '\r') {
            ++lLine;
        }
        lFrom = lEnd + 1;
    }
}

} // namespace

void NoteUnkeptLines(std::vector<tUnkeptLine>& atLines, std::string_view sText, int32_t lLine) {
    ForEachLine(sText, lLine, [&](std::string_view sLine, int32_t l) {
        if (!sLine.empty()) {
            atLines.push_back(tUnkeptLine{l, std::string(sLine)});
        }
    });
}

std::vector<std::string> LinesMissingFrom(const std::vector<tUnkeptLine>& atLines,
                                          std::string_view sKept, std::string_view sNew) {
    std::vector<std::string> as;
    if (atLines.empty()) {
        return as;
    }
    // Per line text: how often the user's files need it, how often sNew has it.
    std::unordered_map<std::string_view, std::pair<int64_t, int64_t>> tCount;
    for (const tUnkeptLine& t : atLines) {
        ++tCount[t.sText].first;
    }
    ForEachLine(sKept, 1, [&](std::string_view sLine, int32_t) {
        if (auto it = tCount.find(sLine); it != tCount.end()) {
            ++it->second.first;
        }
    });
    ForEachLine(sNew, 1, [&](std::string_view sLine, int32_t) {
        if (auto it = tCount.find(sLine); it != tCount.end()) {
            ++it->second.second;
        }
    });
    for (const tUnkeptLine& t : atLines) {
        const auto& [lNeed, lHave] = tCount[t.sText];
        if (lHave < lNeed) {
            as.push_back("Line " + std::to_string(t.lLine) + ": " + t.sText);
        }
    }
    return as;
}
