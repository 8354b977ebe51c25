// The block scanner and the reading frame over any text, for both file kinds.
// Besides finding no crash it checks what the user relies on: the user text
// rows cover the work file exactly, one after another, and every one of them
// is a piece of the text that was read, in order; a companion script that
// gives up its text gathers the same user text inside it.
#include "model/project.h"
#include "readers/metastatements.h"
#include "readers/source_text.h"
#include "readers/work_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void CheckUserText(const Table<tBlock>& atBlock, const tWorkFile& tWork, std::string_view sText) {
    int64_t lNext = 1;
    std::size_t lSearch = 0;
    for (const tBlock& t : atBlock) {
        if (t.lType != 0) {
            continue;
        }
        if (t.lFilePos != lNext || t.lLen <= 0) {
            std::abort(); // a gap, an overlap or an empty piece in the work file
        }
        lNext += t.lLen;
        std::string sPiece = WorkFileText(tWork, t.lFilePos, t.lLen);
        std::size_t l = sText.find(sPiece, lSearch);
        if (sPiece.size() != static_cast<std::size_t>(t.lLen) || l == std::string_view::npos) {
            std::abort(); // user text that the file did not hold
        }
        lSearch = l + sPiece.size();
    }
    if (tWork.lOpen && lNext != static_cast<int64_t>(tWork.sText.size()) + 1) {
        std::abort(); // work file bytes no row accounts for
    }
}

// The statement loop's part: marker lines go to the frame, the rest is skipped.
void ReadFrame(bool bRC, const std::string& sText, std::string* psOwned) {
    ClearProject();
    ClearRCBlocks();
    CloseWorkFiles();
    tSourceText t;
    t.sText = sText;
    tReadFrame f;
    const int32_t lStarted = bRC ? StartRCFrame(t, f, 0, psOwned) : StartKvlFrame(t, f, 0);
    if (!lStarted) {
        return;
    }
    const std::string sMarker = bRC ? "//#WRENKIT" : "#WRENKIT";
    while (!t.AtEnd()) {
        const std::size_t lBefore = t.lPos;
        std::string s = UpperText(NextToken(t));
        if (s == sMarker) {
            FrameMarkerLine(t, f);
        } else {
            SkipLine(t);
        }
        if (t.lPos <= lBefore && !t.AtEnd()) {
            std::abort(); // the reader must always move on
        }
    }
    FinishFrame(f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    if (lSize == 0) {
        return 0;
    }
    const bool bRC = pData[0] & 1;
    const std::string sText(reinterpret_cast<const char*>(pData + 1), lSize - 1);
    ReadFrame(bRC, sText, nullptr);
    CheckUserText(bRC ? gatRCBlock : gatBlock, bRC ? gtDoc.tRCWork : gtDoc.tWork, sText);
    if (bRC) {
        // A script that gives up its own text gathers the same user text in it.
        const std::string sWork = gtDoc.tRCWork.sText;
        const std::vector<tBlock> atRows(gatRCBlock.begin(), gatRCBlock.end());
        std::string sOwned = sText;
        ReadFrame(true, sOwned, &sOwned);
        if (gtDoc.tRCWork.sText != sWork ||
            atRows.size() != static_cast<std::size_t>(glRCBlockCnt)) {
            std::abort();
        }
        for (std::size_t l = 0; l < atRows.size(); ++l) {
            const tBlock& t = gatRCBlock[static_cast<int32_t>(l) + 1];
            if (std::memcmp(&t, &atRows[l], sizeof(tBlock)) != 0) {
                std::abort();
            }
        }
    }
    ClearProject();
    ClearRCBlocks();
    CloseWorkFiles();
    return 0;
}
