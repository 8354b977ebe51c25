#include "readers/work_files.h"

#include "model/large_pages.h"

tWorkFile gtWorkFile{};
tWorkFile gtRCWorkFile{};
tWorkFile gtPreImportFile{};
tWorkFile gtRCPreImportFile{};

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
    return tRow.lType == 0 ? WorkFileText(gtWorkFile, tRow.lFilePos, tRow.lLen) : std::string();
}

std::string RCBlockUserText(const tBlock& tRow) {
    return tRow.lType == 0 ? WorkFileText(gtRCWorkFile, tRow.lFilePos, tRow.lLen) : std::string();
}

void CloseWorkFile(tWorkFile& tFile) {
    tFile.lOpen = 0;
    std::string().swap(tFile.sText);
}

void CloseWorkFiles() {
    CloseWorkFile(gtWorkFile);
    CloseWorkFile(gtRCWorkFile);
    CloseWorkFile(gtPreImportFile);
    CloseWorkFile(gtRCPreImportFile);
}
