// The one place where the project becomes changed. Every operation that adds,
// changes or deletes a row calls NoteChange; it sets the changed flag and
// tells the listeners which table and rows changed. A window that shows rows
// registers a listener instead of being called from the core.
//
// An edit (one user action, possibly many row writes) opens a tChangeScope:
// its listeners hear one "before" notice when it starts and one "after"
// notice when it ends, whatever it wrote in between, so an undo step can be
// recorded at these two points. A load opens a tLoadScope: the rows it writes
// are one "everything" notice at its end.
#pragma once

#include <cstdint>

// The changed flag (owned by the application shell): cleared by load, save
// and ClearProject, set only through NoteChange.
extern int32_t glChanged;

enum : int32_t {
    wkChgEverything = 0, // after a load: every table may differ
    wkChgID,
    wkChgRes,
    wkChgDlg,
    wkChgMenu,
    wkChgAccel,
    wkChgStr,
    wkChgText, // the shared text pool (captions, style lists, prompts)
    wkChgFont,
    wkChgVersion,
};

enum : int32_t {
    wkChgAfter = 0,   // rows were written
    wkChgBefore = 1,  // an edit is about to write rows
    wkChgCleared = 2, // the project (or, for wkChgFont, the font table) is about
                      // to be emptied; live windows of its rows must go now
    wkChgLoaded = 3,  // with wkChgEverything: a file opened or imported by the
                      // file commands replaced the project, and the user has
                      // seen what was read; the surface shows the new project
};

struct tChange {
    int32_t lTable; // wkChg...
    int32_t lPhase; // wkChgAfter, wkChgBefore, wkChgCleared
    int32_t lFirst; // first row; 0 with lCount 0: rows not named
    int32_t lCount;
};

using ChangeListener = void (*)(const tChange& t);

// A listener hears every notice from now on; adding one twice keeps one.
void AddChangeListener(ChangeListener pfn);
void RemoveChangeListener(ChangeListener pfn);

// Rows lFirst .. lFirst + lCount - 1 of a table were written: marks the
// project changed and, outside an edit or a load, tells the listeners.
void NoteChange(int32_t lTable, int32_t lFirst = 0, int32_t lCount = 0);
// The project or the font table is about to be emptied (told even during a
// load: the windows showing its rows must go before the rows do). Does not
// mark the project changed.
void NoteCleared(int32_t lTable);

// One edit: "before" when the outermost scope opens, "after" when it closes
// (and only when something was written); nested scopes join the outer one.
class tChangeScope {
  public:
    tChangeScope(int32_t lTable, int32_t lFirst = 0, int32_t lCount = 0);
    ~tChangeScope();
    tChangeScope(const tChangeScope&) = delete;
    tChangeScope& operator=(const tChangeScope&) = delete;

  private:
    tChange mtChange;
};

// One load: the writes inside are held back and told as one "everything"
// notice at the end of the outermost scope. The changed flag follows the
// writes as before (the file commands clear it after a load). A scope made
// with bReplaces (the file commands' Open and Import, which hold it open until
// the read results were shown) ends with wkChgLoaded instead of wkChgAfter;
// a read that only adds to the project, such as an import from the clipboard,
// keeps the surface as it is.
class tLoadScope {
  public:
    explicit tLoadScope(bool bReplaces = false);
    ~tLoadScope();
    tLoadScope(const tLoadScope&) = delete;
    tLoadScope& operator=(const tLoadScope&) = delete;
};
