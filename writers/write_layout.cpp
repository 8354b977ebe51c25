#include "writers/write_layout.h"

tWriteLayout WriteLayoutFrom(const tOptions& tOpt) {
    tWriteLayout t;
    t.lTabSizeKVL = OptionTabSize(tOpt.lTabSizeKVL);
    t.lTabSizeRC = OptionTabSize(tOpt.lTabSizeRC);
    t.lWrapPos = OptionWrapPos(tOpt.lWrapPos);
    t.bHdrComment = tOpt.lHdrComment != 0;
    return t;
}
