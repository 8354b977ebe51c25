// The alignment commands of the design surface on model rectangles: line a
// group up with its leader (the first rectangle), give it the leader's size,
// space it evenly, or centre it in the dialog. Snapping does not apply, and
// no rectangle ends left of or above the dialog's client origin.
#pragma once

#include "model/design_geometry.h"

#include <cstdint>
#include <vector>

enum : int32_t {
    wkAlignLefts = 1,
    wkAlignRights,
    wkAlignTops,
    wkAlignBottoms,
    wkAlignCentresH, // the horizontal centres on the leader's
    wkAlignCentresV, // the vertical centres on the leader's
    wkSameWidth,
    wkSameHeight,
    wkSameSize,
    wkSpaceAcross, // equal gaps from left to right; the outermost stay
    wkSpaceDown,
    wkCentreInDialogH, // the group as a whole, its members keeping their distances
    wkCentreInDialogV,
    wkAlignLast = wkCentreInDialogV,
};

// The fewest rectangles the command works on: 2 for aligning and sizing,
// 3 for spacing, 1 for centring in the dialog.
int32_t AlignMinimum(int32_t lCmd);

// The rectangles after the command, in the order given; lClientW and
// lClientH are the dialog's client size (for the centring commands). Too few
// rectangles or an unknown command give them back unchanged.
std::vector<tDlgRect> AlignedRects(const std::vector<tDlgRect>& atRect, int32_t lCmd,
                                   int32_t lClientW, int32_t lClientH);
