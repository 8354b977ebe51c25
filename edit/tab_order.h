// The tab order editor's rules: the working numbers of a dialog's controls,
// what a click on one does to the others, and storing the result. Controls
// are written and created in table order, so storing the order also puts the
// dialog's control rows in that order within the places they hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The live controls of a dialog resource, in their current tab order.
std::vector<int32_t> TabOrderRows(int32_t lResDlg);
// A click on the control at lEntry (0-based) while the box holds lBox: the
// box is taken within 1..count, the control gets that number and the others
// between the two numbers shift by one. Returns what the box shows next.
int32_t TabOrderClick(std::vector<int32_t>& alNumber, std::size_t lEntry, int32_t lBox);
// Stores the numbers (alNumber[i] for alRows[i], a permutation of 1..n): the
// rows are placed in the table in that order and numbered 1..n. Returns the
// new element of lFollow (a row the caller keeps, such as the current
// control); every other element of the dialog's controls may change too.
int32_t ApplyTabOrder(const std::vector<int32_t>& alRows, const std::vector<int32_t>& alNumber,
                      int32_t lFollow);
