// Compiling the companion script after it was saved: RC.EXE makes the .res
// file, KVRES.EXE turns it into the .kvr file the #Resource line names. Both
// tools lie in the program's folder; every failure is one message box.
#include "app/file_commands.h"

#include "app/files/rc_compile.h"
#include "app/processes.h"
#include "app/settings/profile.h"
#include "model/path_rules.h"
#include "model/user_seam.h"
#include "readers/file_text.h"

namespace {

std::string gsProgramFolder;

void DeleteIfThere(const std::string& sPath) {
    if (FileExists(sPath)) {
        DeleteFileA(sPath.c_str());
    }
}

} // namespace

std::string ProgramFolder() {
    return gsProgramFolder.empty() ? ProgramFolderOf(ExecutablePath()) : gsProgramFolder;
}

void SetProgramFolder(const std::string& sFolder) {
    gsProgramFolder = sFolder;
}

int CompileResources(HWND hOwner, const std::string& sScriptPath) {
    const std::string sFolder = ProgramFolder();
    // The tools run in the script's folder, so that relative file names in the
    // script mean what they mean to the user.
    const std::string sWorkDir = FolderOf(sScriptPath);

    const std::string sCompiler = sFolder + "RC.EXE";
    if (!FileExists(sCompiler)) {
        ReportError("Can't find resource compiler: " + sCompiler);
        return 0;
    }
    const std::string sRes = ReplaceExtension(sScriptPath, ".res");
    DeleteIfThere(sRes);
    const std::string sLogPath = ReplaceExtension(sScriptPath, ".rclog");
    const std::string sCmd =
        RcCommandLine(sCompiler, RcIncludeDirs(sFolder + "KVWIN.INI"), sScriptPath);
    DWORD lErr = RunProcessAndWait(hOwner, sCmd, sLogPath, sWorkDir);
    if (lErr) {
        ReportError("Can't compile resource file " + sScriptPath + "\r" + SystemErrorText(lErr));
        return 0;
    }
    std::string sLog;
    const int32_t lLogState = TakeCompilerLog(sLogPath, sLog);
    if (!RcLogSucceeded(lLogState, sLog)) {
        ReportInfo(RcLogMessage(lLogState, sLog));
        return 0;
    }

    const std::string sConverter = sFolder + "KVRES.EXE";
    if (!FileExists(sConverter)) {
        ReportError("Can't find Korvel resource compiler: " + sConverter);
        return 0;
    }
    const std::string sKvr = ReplaceExtension(sScriptPath, ".kvr");
    DeleteIfThere(sKvr);
    lErr = RunProcessAndWait(hOwner, KvresCommandLine(sConverter, sRes), std::string(), sWorkDir);
    if (lErr) {
        ReportError("Can't convert resource file: " + sRes + "\r" + SystemErrorText(lErr));
        return 0;
    }
    if (!FileExists(sKvr)) {
        ReportError("Error creating .KVR resource.");
        return 0;
    }
    return 1;
}
