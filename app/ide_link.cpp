// The link to the Korvel IDE: bring a running IDE to the front, or start
// KVEDIT.EXE from the program's folder, with the current file when there is one.
#include "app/file_commands.h"

#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "app/processes.h"
#include "model/document.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "readers/file_text.h"

void LaunchIde(HWND, const std::string& sPath) {
    const std::string sIde = ProgramFolder() + "KVEDIT.EXE";
    if (!sPath.empty() && FileExists(sPath)) {
        // A running IDE is expected to take the file from its second copy.
        if (FileExists(sIde)) {
            StartProcess(sIde, sIde + " \"" + sPath + "\"");
        } else {
            ReportError("File is not found: " + sIde);
        }
        return;
    }
    if (HWND hIde = FindWindowA("KVWIN32MAIN", nullptr)) {
        SetForegroundWindow(hIde);
    } else if (FileExists(sIde)) {
        StartProcess(sIde, sIde);
    } else {
        ReportError("File is not found: " + sIde);
    }
}

void IdeActivateCmd(HWND hOwner) {
    LaunchIde(hOwner, std::string());
}

void IdeOpenFileCmd(HWND hOwner) {
    if (glChanged) {
        const int lAnswer = AskUser(gszSaveChangesQuestion, wkBtnYesNoCancel);
        if (lAnswer == wkAnsYes) {
            if (!SaveCmd(hOwner)) {
                return;
            }
        } else if (lAnswer != wkAnsNo) {
            return;
        }
    }
    LaunchIde(hOwner, gtDoc.sPath);
}
