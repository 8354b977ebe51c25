#include "app/files/file_ops.h"

#include "app/files/file_state.h"
#include "app/files/file_times.h"
#include "app/files/import_results.h"
#include "edit/data_files.h"
#include "model/case_blind.h"
#include "model/change_notice.h"
#include "model/document.h"
#include "model/file_errors.h"
#include "model/options.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "model/undo_store.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "readers/file_text.h"
#include "readers/import_text.h"
#include "readers/kvl_reader.h"
#include "readers/rc_reader.h"
#include "readers/vbform_reader.h"
#include "readers/work_files.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"
#include "writers/save_text.h"

#include <utility>
#include <vector>

const char* const gszSaveChangesQuestion = "Save current changes?";
const char* const gszReloadQuestion = "File was changed by another application. Reload it?";
const char* const gszSaveAnywayQuestion = "Save anyway?";

namespace {

// The companion script this project owns: the one loaded with the KVL file or
// the one it last wrote. Replacing it needs no question; any other file does.
std::string gsOwnedRCPath;

void SetTitle(const std::string& sFile) {
    if (gtFileHooks.pfnSetTitle) {
        gtFileHooks.pfnSetTitle(sFile);
    }
}

void AddRecentFile(const std::string& sFile) {
    if (gtFileHooks.pfnAddRecentFile) {
        gtFileHooks.pfnAddRecentFile(sFile);
    }
}

void SuspendUpdates(int32_t lSuspend) {
    if (gtFileHooks.pfnSuspendUpdates) {
        gtFileHooks.pfnSuspendUpdates(lSuspend);
    }
}

void ShowDesign(int32_t lShow) {
    if (gtFileHooks.pfnShowDesignWindows) {
        gtFileHooks.pfnShowDesignWindows(lShow);
    }
}

// The companion script counts as loaded when the reader keeps its text (it
// was read with its blocks) or a copy of it (read along with an imported file).
void NoteCompanionLoaded(const std::string& sFile) {
    glRCFileOpen = (OpenText(gtDoc.tRCWork) || OpenText(gtDoc.tRCPreImport)) ? 1 : 0;
    gsOwnedRCPath = glRCFileOpen ? CompanionPath(sFile) : std::string();
}

// Lets go of everything the readers keep of the loaded files: the source and
// script texts, the copies of imported files and both block tables.
void ReleaseLoadedFiles() {
    CloseWorkFiles();
    CloseRCTexts();
    ClearBlocks();
    ClearRCBlocks();
    glSourceFileOpen = 0;
    glRCFileOpen = 0;
    gsOwnedRCPath.clear();
}

// Reads a file into the cleared project with the reader of its type.
int32_t ReadByType(const std::string& sFile, int32_t lType) {
    std::string sText;
    if (!ReadFileText(sFile, sText)) {
        return 0;
    }
    switch (lType) {
    case wkFileKvl:
        if (!LoadKVL(sText, 1, 0, sFile)) {
            return 0;
        }
        glSourceFileOpen = 1;
        NoteCompanionLoaded(sFile);
        return 1;
    case wkFileRC:
        MakeImportableText(sText, sFile);
        if (!LoadRC(std::move(sText), 1, 0, sFile) || ReportNothingImported(sFile)) {
            return 0;
        }
        NoteCompanionLoaded(sFile);
        return 1;
    case wkFileForm:
        MakeImportableText(sText, sFile);
        LoadVBForm(sText, 1); // clears the project and puts its controls in tab order
        return ReportNothingImported(sFile) ? 0 : 1;
    default:
        return 0;
    }
}

void AskReload(uint64_t& ftStored, uint64_t ftNow) {
    if (gtFileHooks.pfnCloseModalWindow) {
        gtFileHooks.pfnCloseModalWindow();
    }
    // Stored before asking: the question comes once per change, even when the
    // message box itself activates the program again.
    ftStored = ftNow;
    if (AskUser(gtDoc.sPath + "\r" + gszReloadQuestion, wkBtnYesNo) == wkAnsYes) {
        glChanged = 0;
        const std::string sFile = gtDoc.sPath; // closing empties the current file
        OpenFile(sFile, wkFileKvl);
    }
}

// The results box only for a read that happened: a file that could not be
// read, or a question answered No, ends the import with nothing to count.
void ShowReadResults(int32_t lRead) {
    if (lRead) {
        ShowImportResults();
    } else {
        gtImportCounts = tImportCounts{};
    }
}

} // namespace

std::string ReplaceQuestion(const std::string& sPath) {
    return sPath + " already exists.\rDo you want to replace it?";
}

int32_t CloseFile() {
    if (glChanged) {
        const int lAnswer = AskUser(gszSaveChangesQuestion, wkBtnYesNoCancel);
        if (lAnswer == wkAnsYes) {
            if (!SaveFile()) {
                return 0;
            }
        } else if (lAnswer != wkAnsNo) {
            return 0;
        }
    }
    ReleaseLoadedFiles();
    ClearProject();
    ClearUndo();
    SetCurrentFile(std::string(), 0);
    SetTitle(std::string());
    return 1;
}

int32_t OpenFile(const std::string& sPath, int32_t lType) {
    if (sPath.empty() || lType == wkFileNone) {
        return 0;
    }
    const std::string sFile = sPath; // sPath may be the current file, which closing empties
    if (!CloseFile()) {
        return 0;
    }
    SuspendUpdates(1);
    ResetImportCounters();
    int32_t lRead = 0;
    {
        // The surface shows the file when this scope ends, after the results box.
        const tLoadScope tLoad(true);
        if (lType == wkFileKvl) {
            lRead = ReadByType(sFile, wkFileKvl);
            if (lRead) {
                SetCurrentFile(sFile, wkFileKvl);
                AddRecentFile(sFile);
                SetTitle(sFile);
                gtDoc.ftSource = LastWriteTime(sFile);
                const std::string sRC = CompanionPath(sFile);
                if (NeedsCompanionScript() && FileExists(sRC)) {
                    gtDoc.ftRC = LastWriteTime(sRC);
                }
            }
        } else {
            // A script or form reaches Open only from the command line or a
            // recent file; it is imported, and the project stays untitled.
            lRead = ReadByType(sFile, lType);
        }
        ShowReadResults(lRead);
    }
    glChanged = 0;
    ClearUndo();
    SuspendUpdates(0);
    return lRead;
}

int32_t ImportFile(const std::string& sPath) {
    const int32_t lType = FileTypeOf(sPath);
    if (sPath.empty() || lType == wkFileNone || !FileExists(sPath)) {
        return 0;
    }
    const std::string sFile = sPath;
    if (!CloseFile()) {
        return 0;
    }
    ResetImportCounters();
    int32_t lRead = 0;
    {
        // The surface shows the file when this scope ends, after the results box.
        const tLoadScope tLoad(true);
        lRead = ReadByType(sFile, lType);
        ShowReadResults(lRead);
    }
    ClearUndo(); // the import replaced the project: its history starts here
    return lRead;
}

namespace {

// The save's question before it replaces lines of the user's that stand where
// the designer's code goes (after a damaged #Wrenkit line) and that the new
// text no longer holds. 1 when the save may go on.
int32_t ConfirmUnkeptLines(const std::string& sKvlText, const std::string& sRCText) {
    std::vector<std::string> asLost = LinesMissingFrom(gatUnkeptLine, gtDoc.tWork.sText, sKvlText);
    std::vector<std::string> asRCLost;
    if (!sRCText.empty()) {
        const std::string* psKept = OpenText(gtDoc.tRCWork);
        asRCLost = LinesMissingFrom(gatRCUnkeptLine, psKept ? *psKept : std::string(), sRCText);
    }
    if (asLost.empty() && asRCLost.empty()) {
        return 1;
    }
    constexpr std::size_t kShown = 12;
    std::string sText = "Saving replaces these lines of your own code, which stand after a "
                        "damaged #Wrenkit line:\r\n";
    auto fnList = [&](const std::string& sFile, const std::vector<std::string>& as) {
        if (as.empty()) {
            return;
        }
        sText += "\r\n" + sFile + ":";
        for (std::size_t l = 0; l < as.size() && l < kShown; ++l) {
            sText += "\r\n" + as[l];
        }
        if (as.size() > kShown) {
            sText += "\r\n... and " + std::to_string(as.size() - kShown) + " more.";
        }
    };
    fnList(gtDoc.sPath, asLost);
    fnList(CompanionPath(gtDoc.sPath), asRCLost);
    sText += "\r\n\r\n";
    sText += gszSaveAnywayQuestion;
    ShowDesign(0);
    const int lAnswer = AskUser(sText, wkBtnYesNo, 2);
    ShowDesign(1);
    return lAnswer == wkAnsYes ? 1 : 0;
}

// Saves the KVL file and, when the project needs one, its companion script
// as a pair: both are written beside their targets first and replace them
// only when both were written. 1 when the KVL file was saved.
int32_t SavePair() {
    const std::string sKvl = gtDoc.sPath;
    const tWriteLayout tLay = WriteLayoutFrom(gtOptions);
    // The script read with its blocks is updated in place, any other is written
    // new; an ordinary save appends the copy of an imported file, Save As New
    // does not.
    const std::string sRCPath = CompanionPath(sKvl);
    std::string sRC =
        NeedsCompanionScript() ? BuildRCFile(gtDoc, tLay, gtDoc.lAsNew == 0) : std::string();
    if (!sRC.empty() && !gtDoc.sUnreadCompanion.empty() &&
        SameTextNoCase(sRCPath, gtDoc.sUnreadCompanion)) {
        ReportError("The resource script " + sRCPath +
                    " could not be read when the file was opened, so it is not replaced.\r\n"
                    "Save the project under another name to keep its new resources.");
        return 0;
    }
    // A damaged file is saved from its whole text, so that it can be checked
    // for the user's lines first; any other goes to the file piece by piece as
    // it is made, never held whole a second time beside the text it was read
    // from.
    std::string sKvlText;
    const bool bWhole = !gatUnkeptLine.empty() || (!sRC.empty() && !gatRCUnkeptLine.empty());
    if (bWhole) {
        sKvlText = BuildKvlFile(gtDoc, tLay, gtDoc.lAsNew == 0);
        if (!ConfirmUnkeptLines(sKvlText, sRC)) {
            return 0;
        }
    }
    for (const std::string* ps : {&sKvl, &sRCPath}) {
        if (ps == &sRCPath && sRC.empty()) {
            break;
        }
        if (const int32_t lErr = SaveTargetError(*ps)) {
            ReportError(SaveErrorMessage(lErr, *ps));
            return 0;
        }
    }
    if (!sRC.empty() && !SameTextNoCase(sRCPath, gsOwnedRCPath) && FileExists(sRCPath)) {
        ShowDesign(0);
        const int lAnswer = AskUser(ReplaceQuestion(sRCPath), wkBtnYesNo, 2);
        ShowDesign(1);
        if (lAnswer != wkAnsYes) {
            sRC.clear(); // the KVL file is saved, the script left as it is
        }
    }
    tPendingFile tKvlFile;
    tPendingFile tRCFile;
    const int32_t lWritten =
        bWhole ? WritePendingFile(tKvlFile, sKvl, [&](const TextPut& fnPut) { fnPut(sKvlText); })
               : WritePendingFile(tKvlFile, sKvl, [&tLay](const TextPut& fnPut) {
                     BuildKvlFilePieces(gtDoc, tLay, gtDoc.lAsNew == 0, fnPut);
                 });
    if (!lWritten ||
        (!sRC.empty() &&
         !WritePendingFile(tRCFile, sRCPath, [&](const TextPut& fnPut) { fnPut(sRC); }))) {
        return 0;
    }
    // The script first: a KVL file is never left naming resources that are
    // not on disk yet.
    if (!sRC.empty() && !CommitPendingFile(tRCFile)) {
        return 0;
    }
    if (!CommitPendingFile(tKvlFile)) {
        return 0;
    }
    if (!sRC.empty()) {
        gsOwnedRCPath = sRCPath;
        if (gtFileHooks.pfnCompileResources) {
            gtFileHooks.pfnCompileResources(sRCPath);
        }
        gtDoc.ftRC = LastWriteTime(sRCPath);
    }
    gtDoc.ftSource = LastWriteTime(sKvl);
    return 1;
}

} // namespace

int32_t SaveFile() {
    bool bNewName = false;
    if (gtDoc.sPath.empty()) {
        const std::string sPath =
            gtFileHooks.pfnAskSaveName ? gtFileHooks.pfnAskSaveName() : std::string();
        if (sPath.empty()) {
            return 0;
        }
        SetCurrentFile(sPath, wkFileKvl);
        AddRecentFile(sPath);
        bNewName = true;
    }
    // A file or script that could not be written keeps the project changed:
    // its strings and version information live nowhere else.
    const int32_t lResult = SavePair();
    if (bNewName) {
        SetTitle(gtDoc.sPath);
    }
    if (lResult) {
        glChanged = 0;
        MarkUndoSaved();
    }
    return lResult;
}

int32_t SaveFileAs(const std::string& sPath, int32_t lType) {
    if (sPath.empty()) {
        return 0;
    }
    SetCurrentFile(sPath, lType);
    AddRecentFile(sPath);
    const int32_t lResult = SaveFile();
    SetTitle(sPath);
    return lResult;
}

int32_t SaveFileAsNew(const std::string& sPath) {
    if (sPath.empty()) {
        return 0;
    }
    SetCurrentFile(sPath, wkFileKvl);
    AddRecentFile(sPath);
    ReleaseLoadedFiles();
    const int32_t lAsNew = gtDoc.lAsNew;
    gtDoc.lAsNew = 1;
    const int32_t lResult = SaveFile();
    gtDoc.lAsNew = lAsNew;
    SetTitle(sPath);
    return lResult;
}

void CheckChangedOnDisk() {
    if (gtDoc.sPath.empty() || !FileExists(gtDoc.sPath)) {
        return;
    }
    const uint64_t ftNow = LastWriteTime(gtDoc.sPath);
    if (ChangedOnDisk(ftNow, gtDoc.ftSource)) {
        AskReload(gtDoc.ftSource, ftNow);
        return;
    }
    const std::string sRC = CompanionPath(gtDoc.sPath);
    if (NeedsCompanionScript() && FileExists(sRC)) {
        const uint64_t ftRC = LastWriteTime(sRC);
        if (ChangedOnDisk(ftRC, gtDoc.ftRC)) {
            AskReload(gtDoc.ftRC, ftRC);
        }
    }
}
