#include "app/files/file_ops.h"

#include "app/files/file_paths.h"
#include "app/files/file_state.h"
#include "app/files/file_times.h"
#include "app/files/import_results.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "readers/file_text.h"
#include "readers/kvl_reader.h"
#include "readers/rc_reader.h"
#include "readers/vbform_reader.h"
#include "readers/work_files.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"
#include "writers/save_text.h"

#include <cctype>
#include <utility>

const char* const gszSaveChangesQuestion = "Save current changes?";
const char* const gszReloadQuestion = "File was changed by another application. Reload it?";

namespace {

// The companion script this project owns: the one loaded with the KVL file or
// the one it last wrote. Replacing it needs no question; any other file does.
std::string gsOwnedRCPath;

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t l = 0; l < a.size(); ++l) {
        if (std::tolower(static_cast<unsigned char>(a[l])) !=
            std::tolower(static_cast<unsigned char>(b[l]))) {
            return false;
        }
    }
    return true;
}

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

void BuildDesignDialog() {
    if (gtElem.lResDlg && gtFileHooks.pfnBuildDesignDialog) {
        gtFileHooks.pfnBuildDesignDialog(gtElem.lResDlg);
    }
}

// The companion script counts as loaded when the reader keeps its text (it
// was read with its blocks) or a copy of it (read along with an imported file).
void NoteCompanionLoaded(const std::string& sFile) {
    glRCFileOpen = (RCWorkText() || RCPreImportText()) ? 1 : 0;
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
        if (!LoadRC(std::move(sText), 1, 0, sFile)) {
            return 0;
        }
        NoteCompanionLoaded(sFile);
        return 1;
    case wkFileForm:
        LoadVBForm(sText, 1); // clears the project and puts its controls in tab order
        return 1;
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
    if (AskUser(gsCurrentFile + "\r" + gszReloadQuestion, wkBtnYesNo) == wkAnsYes) {
        glChanged = 0;
        const std::string sFile = gsCurrentFile; // closing empties the current file
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

int32_t NeedsCompanionScript() {
    if (VersionBlockCount() > 0 || glStrCnt > 0) {
        return 1;
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l) && gatDlg[l].lDataResElem != 0) {
            return 1;
        }
    }
    return 0;
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
    gsSourceFolder = FolderOf(sFile);
    int32_t lRead = 0;
    if (lType == wkFileKvl) {
        lRead = ReadByType(sFile, wkFileKvl);
        if (lRead) {
            SetCurrentFile(sFile, wkFileKvl);
            AddRecentFile(sFile);
            SetTitle(sFile);
            gftSourceTime = LastWriteTime(sFile);
            const std::string sRC = CompanionPath(sFile);
            if (NeedsCompanionScript() && FileExists(sRC)) {
                gftRCTime = LastWriteTime(sRC);
            }
        }
    } else {
        // A script or form reaches Open only from the command line or a recent
        // file; it is imported, and the project stays untitled.
        lRead = ReadByType(sFile, lType);
    }
    ShowReadResults(lRead);
    BuildDesignDialog();
    glChanged = 0;
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
    gsSourceFolder = FolderOf(sFile);
    const int32_t lRead = ReadByType(sFile, lType);
    ShowReadResults(lRead);
    BuildDesignDialog();
    return lRead;
}

int32_t SaveCompanionScript() {
    if (!NeedsCompanionScript() || gsCurrentFile.empty()) {
        return wkCompanionNotWritten;
    }
    // The script read with its blocks is updated in place, any other is written new;
    // an ordinary save appends the copy of an imported script, Save As New does not.
    const std::string sText = BuildRCFile(glAsNew == 0);
    if (sText.empty()) {
        return wkCompanionNotWritten;
    }
    ShowDesign(0);
    const std::string sRC = CompanionPath(gsCurrentFile);
    if (!SamePath(sRC, gsOwnedRCPath) && FileExists(sRC) &&
        AskUser(ReplaceQuestion(sRC), wkBtnYesNo, 2) != wkAnsYes) {
        ShowDesign(1);
        return wkCompanionNotWritten;
    }
    const int32_t lSaved = SaveTextToFile(sText, sRC);
    if (lSaved) {
        gsOwnedRCPath = sRC;
        if (gtFileHooks.pfnCompileResources) {
            gtFileHooks.pfnCompileResources(sRC);
        }
        gftRCTime = LastWriteTime(sRC);
    }
    ShowDesign(1);
    return lSaved ? wkCompanionWritten : wkCompanionFailed;
}

int32_t SaveFile() {
    bool bNewName = false;
    if (gsCurrentFile.empty()) {
        const std::string sPath =
            gtFileHooks.pfnAskSaveName ? gtFileHooks.pfnAskSaveName() : std::string();
        if (sPath.empty()) {
            return 0;
        }
        SetCurrentFile(sPath, wkFileKvl);
        AddRecentFile(sPath);
        bNewName = true;
    }
    gsKvlFilePath = gsCurrentFile;
    // An ordinary save appends the copy of an imported file; Save As New does not.
    // The text goes to the file piece by piece as it is made: a large file is
    // never held whole a second time beside the text it was read from.
    int32_t lResult = SaveTextPiecesToFile(
        [](const TextPut& fnPut) { BuildKvlFilePieces(glAsNew == 0, fnPut); }, gsCurrentFile);
    if (lResult) {
        // A companion script that could not be written keeps the project
        // changed: its strings and version information live nowhere else.
        if (SaveCompanionScript() == wkCompanionFailed) {
            lResult = 0;
        }
        gftSourceTime = LastWriteTime(gsCurrentFile);
    }
    if (bNewName) {
        SetTitle(gsCurrentFile);
    }
    if (lResult) {
        glChanged = 0;
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
    const int32_t lResult = SaveFile();
    SetTitle(sPath);
    return lResult;
}

void CheckChangedOnDisk() {
    if (gsCurrentFile.empty() || !FileExists(gsCurrentFile)) {
        return;
    }
    const uint64_t ftNow = LastWriteTime(gsCurrentFile);
    if (ChangedOnDisk(ftNow, gftSourceTime)) {
        AskReload(gftSourceTime, ftNow);
        return;
    }
    const std::string sRC = CompanionPath(gsCurrentFile);
    if (NeedsCompanionScript() && FileExists(sRC)) {
        const uint64_t ftRC = LastWriteTime(sRC);
        if (ChangedOnDisk(ftRC, gftRCTime)) {
            AskReload(gftRCTime, ftRC);
        }
    }
}
