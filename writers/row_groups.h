// The rows of the dialog, menu and accelerator tables grouped by the resource
// they belong to. A writer that walks every resource would otherwise scan the
// whole table once per resource, so saving a large project took time that grew
// with the square of its size. Each group holds exactly the rows the per-resource
// scan would visit, in table order, deleted rows left out.
#pragma once

#include <cstdint>
#include <vector>

// While at least one scope lives, the groups are built on first use, once per
// table, and answered from memory; the writers only read the tables, so a
// writer run opens a scope around its walk over the resources. A table that
// changes its count, its epoch or its change log in between is grouped again.
// Outside a scope every call scans its table.
class RowGroupScope {
  public:
    RowGroupScope();
    ~RowGroupScope();
    RowGroupScope(const RowGroupScope&) = delete;
    RowGroupScope& operator=(const RowGroupScope&) = delete;
};

// Live gatDlg rows whose lResElem is lRes (the dialog row among them).
std::vector<int32_t> DialogRowsOf(int32_t lRes);
// Live gatMenu rows whose lResElem is lRes.
std::vector<int32_t> MenuRowsOf(int32_t lRes);
// Live gatMenu rows whose menu resource is live and linked to dialog lDlgRes.
std::vector<int32_t> LinkedMenuRowsOf(int32_t lDlgRes);
// Live gatAccel rows whose lResElem is lRes.
std::vector<int32_t> AccelRowsOf(int32_t lRes);
