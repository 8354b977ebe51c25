#include "model/options.h"

constinit tOptions gtOptions = DefaultOptions();

void ResetOptions() {
    gtOptions = DefaultOptions();
}

int32_t OptionTabSize(int32_t lTabSize) {
    // A hand-edited negative or enormous tab size would make the writers build
    // indentation of a negative or gigabyte length; neither is a useful setting.
    if (lTabSize <= 0) {
        return 4;
    }
    return lTabSize > 240 ? 240 : lTabSize;
}

int32_t OptionWrapPos(int32_t lWrapPos) {
    if (lWrapPos == 0) {
        lWrapPos = 80;
    }
    if (lWrapPos < 60) {
        return 60;
    }
    if (lWrapPos > 240) {
        return 240;
    }
    return lWrapPos;
}

uint8_t OptionPasteLoc(int32_t lPasteLoc) {
    return lPasteLoc != 0 ? 1 : 0;
}

void ApplyGridRule(tOptions& tOpt) {
    // A negative step is as unusable as none: the grid could never be drawn.
    if (tOpt.lGridX <= 0 || tOpt.lGridY <= 0) {
        tOpt.lShowGrid = 1;
        tOpt.lGridX = 5;
        tOpt.lGridY = 5;
        tOpt.lSnapToGrid = 1;
    }
}
