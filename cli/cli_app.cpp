#include "cli/cli_app.h"

#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "app/files/import_results.h"
#include "app/settings/settings.h"
#include "cli/cli_seam.h"
#include "cli/unified_diff.h"
#include "edit/data_files.h"
#include "model/document.h"
#include "model/fonts.h"
#include "model/json_dump.h"
#include "model/options.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "readers/file_text.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"
#include "writers/view_texts.h"

#include <filesystem>

const char* const gszCliUsage =
    "usage: wrenkit-cli [--settings INI] [--yes] view KIND FILE\n"
    "       wrenkit-cli [--settings INI] [--yes] save FILE [--as OUT] [--new]\n"
    "       wrenkit-cli [--settings INI] [--yes] check FILE\n"
    "\n"
    "Opens FILE as the designer does: .bas, .bi and .inc with the KVL reader,\n"
    ".rc, .dlg and .h imported as resource scripts, .frm imported as a form.\n"
    "\n"
    "view KIND   writes to standard output what the View command shows:\n"
    "            kvl, rc, new-kvl, new-rc, sdk-rc, sdk-basic; json (every project\n"
    "            table), counts (the import results)\n"
    "save        Save; --as OUT is Save As, --as OUT --new is Save As New. Writes\n"
    "            the KVL file and, when the project needs one, its companion\n"
    "            resource script (not compiled); the two replace the old files\n"
    "            together, or neither does\n"
    "check       exit 0 when saving would leave FILE and its companion script\n"
    "            byte for byte as they are, else 1 and a unified diff\n"
    "\n"
    "--settings INI  read the options and ID prefixes from this settings file\n"
    "                (without it the first-start defaults apply)\n"
    "--yes           answer the designer's questions with Yes (a file without\n"
    "                the Created marker, replacing a companion script or an\n"
    "                existing --as file, saving over your lines after damaged\n"
    "                #Wrenkit lines); without it such a question ends the run\n"
    "                with exit code 2\n"
    "\n"
    "Exit codes: 0 done, 1 a file error (a file that cannot be read or written,\n"
    "a companion script that cannot be read, output that cannot be written) or\n"
    "check found changes, 2 usage or a question not answered Yes. Messages go to\n"
    "standard error.\n";

bool ParseCliArgs(int argc, const char* const* argv, tCliArgs& tArgs, std::string& sError) {
    std::vector<std::string> asPos;
    for (int i = 1; i < argc; ++i) {
        const std::string s = argv[i];
        if (s == "--yes") {
            tArgs.bYes = true;
        } else if (s == "--new") {
            tArgs.bNew = true;
        } else if (s == "--settings" || s == "--as") {
            if (i + 1 >= argc) {
                sError = s + " needs a file name";
                return false;
            }
            (s == "--as" ? tArgs.sAs : tArgs.sSettings) = argv[++i];
        } else if (s.size() > 2 && s.compare(0, 2, "--") == 0) {
            sError = "unknown option " + s;
            return false;
        } else {
            asPos.push_back(s);
        }
    }
    if (asPos.empty()) {
        sError = "no command given";
        return false;
    }
    tArgs.sCommand = asPos[0];
    const size_t lWant = tArgs.sCommand == "view" ? 3 : 2;
    if (tArgs.sCommand != "view" && tArgs.sCommand != "save" && tArgs.sCommand != "check") {
        sError = "unknown command " + tArgs.sCommand;
        return false;
    }
    if (asPos.size() != lWant) {
        sError = tArgs.sCommand + (lWant == 3 ? " takes a KIND and a FILE" : " takes one FILE");
        return false;
    }
    if (lWant == 3) {
        tArgs.sKind = asPos[1];
    }
    tArgs.sFile = asPos[lWant - 1];
    if ((!tArgs.sAs.empty() || tArgs.bNew) && tArgs.sCommand != "save") {
        sError = "--as and --new go with save";
        return false;
    }
    if (tArgs.bNew && tArgs.sAs.empty()) {
        sError = "--new needs --as OUT";
        return false;
    }
    return true;
}

namespace {

// The designer's start-up, as far as the core is concerned: options, styles
// catalog, the control kinds' defaults and font element 1.
void StartCore(const tCliArgs& tArgs) {
    SetSettingsPath(tArgs.sSettings);
    ResetOptions();
    if (!tArgs.sSettings.empty()) {
        ReadOptions();
    }
    LoadDesignerCatalogOnce();
    // Every run starts as the program does: font element 1 is the default font.
    ResetDefaultFont();
    // Start-up work is no change the user made.
    glChanged = 0;
}

bool FileExists(const std::string& sPath) {
    std::error_code tErr;
    return std::filesystem::is_regular_file(sPath, tErr);
}

bool AnythingAt(const std::string& sPath) {
    std::error_code tErr;
    return std::filesystem::symlink_status(sPath, tErr).type() !=
           std::filesystem::file_type::not_found;
}

// Reads the bytes of a file without a message: "" when it is missing, false
// (with the designer's message) when something that is no plain file or
// cannot be read stands there. A pipe is never opened: reading it would wait
// for a writer that may never come.
bool QuietFileText(const std::string& sPath, std::string& sText) {
    sText.clear();
    if (!AnythingAt(sPath)) {
        return true;
    }
    return ReadFileText(sPath, sText) != 0;
}

// The generated text reaches standard output whole, or the run fails.
int PutOut(const std::string& sText, std::FILE* pOut, std::FILE* pErr) {
    if (std::fwrite(sText.data(), 1, sText.size(), pOut) != sText.size() ||
        std::fflush(pOut) != 0) {
        std::fprintf(pErr, "wrenkit: the output could not be written\n");
        return wkExitFailed;
    }
    return wkExitOk;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code tErr;
    return std::filesystem::equivalent(a, b, tErr) && !tErr;
}

// Opens the file by its extension. Returns an exit code.
int OpenByExtension(const tCliArgs& tArgs, const CliSeam& tSeam, std::FILE* pErr) {
    const int32_t lType = FileTypeOf(tArgs.sFile);
    if (lType == wkFileNone) {
        std::fprintf(pErr,
                     "wrenkit: %s is not a file the designer opens "
                     "(.bas .bi .inc .rc .dlg .h .frm)\n",
                     tArgs.sFile.c_str());
        return wkExitRefused;
    }
    if (!FileExists(tArgs.sFile)) {
        // The designer's own message for a file that cannot be read.
        ReadFileText(tArgs.sFile);
        return wkExitFailed;
    }
    const int lRefusedBefore = tSeam.Refusals();
    const int32_t lRead =
        lType == wkFileKvl ? OpenFile(tArgs.sFile, wkFileKvl) : ImportFile(tArgs.sFile);
    if (tSeam.Refusals() > lRefusedBefore) {
        return wkExitRefused;
    }
    return lRead ? wkExitOk : wkExitFailed;
}

std::string KindText(const std::string& sKind, bool& bKnown) {
    bKnown = true;
    if (const int32_t lView = ViewFromName(sKind)) {
        return ViewText(gtDoc, WriteLayoutFrom(gtOptions), lView);
    }
    if (sKind == "json") {
        return ProjectJson();
    }
    if (sKind == "counts") {
        // The results box's two columns side by side, one table a line.
        std::string sLabels = ImportResultLabels();
        std::string sNumbers = ImportResultNumbers();
        std::string sOut;
        size_t a = 0, b = 0;
        while (a <= sLabels.size() && b <= sNumbers.size()) {
            size_t ae = sLabels.find('\r', a), be = sNumbers.find('\r', b);
            ae = ae == std::string::npos ? sLabels.size() : ae;
            be = be == std::string::npos ? sNumbers.size() : be;
            sOut += sLabels.substr(a, ae - a) + " " + sNumbers.substr(b, be - b) + "\n";
            a = ae + 1;
            b = be + 1;
        }
        return sOut;
    }
    bKnown = false;
    return std::string();
}

// What saving the open KVL file would write: the file and, when the project
// needs one, its companion script (path and text; "" path when none).
struct tSaveTexts {
    std::string sKvl;
    std::string sRCPath;
    std::string sRC;
};

tSaveTexts TextsASaveWrites() {
    tSaveTexts t;
    const tWriteLayout tLay = WriteLayoutFrom(gtOptions);
    t.sKvl = BuildKvlFile(gtDoc, tLay, true);
    if (NeedsCompanionScript()) {
        t.sRCPath = CompanionPath(gtDoc.sPath);
        t.sRC = BuildRCFile(gtDoc, tLay, true);
    }
    return t;
}

int Check(const tCliArgs& tArgs, std::FILE* pOut, std::FILE* pErr) {
    if (FileTypeOf(tArgs.sFile) != wkFileKvl || gtDoc.sPath.empty()) {
        std::fprintf(pErr, "wrenkit: check works on KVL source files (.bas .bi .inc)\n");
        return wkExitRefused;
    }
    const tSaveTexts t = TextsASaveWrites();
    std::string sOld;
    if (!QuietFileText(tArgs.sFile, sOld)) {
        return wkExitFailed;
    }
    std::string sDiff = UnifiedDiff(sOld, t.sKvl, tArgs.sFile, tArgs.sFile + " (saved)");
    if (!t.sRCPath.empty() && !t.sRC.empty()) {
        if (!QuietFileText(t.sRCPath, sOld)) {
            return wkExitFailed;
        }
        sDiff += UnifiedDiff(sOld, t.sRC, t.sRCPath, t.sRCPath + " (saved)");
    }
    if (PutOut(sDiff, pOut, pErr) != wkExitOk) {
        return wkExitFailed;
    }
    return sDiff.empty() ? wkExitOk : wkExitFailed;
}

int Save(const tCliArgs& tArgs, const CliSeam& tSeam, std::FILE* pErr) {
    const int lRefusedBefore = tSeam.Refusals();
    int32_t lSaved;
    if (!tArgs.sAs.empty()) {
        if (FileTypeOf(tArgs.sAs) != wkFileKvl) {
            std::fprintf(pErr, "wrenkit: --as names a KVL source file (.bas .bi .inc)\n");
            return wkExitRefused;
        }
        // As the Save As dialog asks: another file of that name is replaced
        // only when the user says so.
        if (FileExists(tArgs.sAs) && !SameFile(tArgs.sAs, gtDoc.sPath) &&
            AskUser(ReplaceQuestion(tArgs.sAs), wkBtnYesNo, 2) != wkAnsYes) {
            return wkExitRefused;
        }
        if (tArgs.bNew) {
            lSaved = SaveFileAsNew(tArgs.sAs);
        } else {
            lSaved = SaveFileAs(tArgs.sAs, wkFileKvl);
        }
    } else if (gtDoc.sPath.empty()) {
        std::fprintf(pErr, "wrenkit: an imported file is saved with --as OUT\n");
        return wkExitRefused;
    } else {
        lSaved = SaveFile();
    }
    // A question answered No leaves something unsaved (the save itself, or a
    // companion script that was not replaced): the run did not do all it was
    // asked to.
    if (tSeam.Refusals() > lRefusedBefore) {
        std::fprintf(pErr, lSaved ? "wrenkit: the companion resource script was not written "
                                    "(answer --yes to replace it)\n"
                                  : "wrenkit: not saved (answer --yes to save anyway)\n");
        return wkExitRefused;
    }
    return lSaved ? wkExitOk : wkExitFailed;
}

} // namespace

int RunCli(const tCliArgs& tArgs, std::FILE* pOut, std::FILE* pErr) {
    CliSeam tSeam(tArgs.bYes, pErr);
    UserSeam* pOld = SetSeam(&tSeam);
    StartCore(tArgs);
    int lExit = OpenByExtension(tArgs, tSeam, pErr);
    if (lExit == wkExitOk) {
        if (tArgs.sCommand == "view") {
            bool bKnown = false;
            const std::string sText = KindText(tArgs.sKind, bKnown);
            if (!bKnown) {
                std::fprintf(pErr, "wrenkit: unknown view %s\n", tArgs.sKind.c_str());
                lExit = wkExitRefused;
            } else {
                lExit = PutOut(sText, pOut, pErr);
            }
        } else if (tArgs.sCommand == "save") {
            lExit = Save(tArgs, tSeam, pErr);
        } else {
            lExit = Check(tArgs, pOut, pErr);
        }
    }
    // A companion script that could not be read leaves the project without its
    // resources: whatever was done with it, the run did not see the whole project.
    if (lExit == wkExitOk && !gtDoc.sUnreadCompanion.empty()) {
        lExit = wkExitFailed;
    }
    // Leave nothing behind for the next run in the same process (the tests).
    glChanged = 0;
    CloseFile();
    SetSeam(pOld);
    return lExit;
}
