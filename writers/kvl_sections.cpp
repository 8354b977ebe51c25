// The sections of a new KVL file: includes, constants, declarations, the entry
// function, and the section frames around the menu, accelerator, callback,
// sample and dialog functions; each section can also be written on its own.
#include "edit/data_files.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "styles/control_kinds.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/row_groups.h"

#include <algorithm>

namespace {

// The compiled resource file beside the source: the file name's extension
// replaced by ".kvr" (a dot in a folder name is no extension), relative to the
// source's folder.
std::string ResourceFileName(const std::string& sPath) {
    if (sPath.empty()) {
        return "NoName.kvr";
    }
    return RelativeToSource(ReplaceExtension(sPath, ".kvr"), sPath);
}

bool UsesOwnFonts() {
    if (ghFontCnt <= 1) {
        return false;
    }
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l) && gatDlg[l].lFontElem > 1) {
            return true;
        }
    }
    return false;
}

template <class F> void ForEachRes(int32_t lKind, F fn) {
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (IsLiveRes(l, lKind)) {
            fn(l);
        }
    }
}

void PutIncludeGuard(std::string& sOut, const tWriteLayout& tLay, const char* szGuard,
                     const char* szFile) {
    PutLine(sOut, std::string("#If Not %Def(") + szGuard + ")");
    PutLine(sOut, Indent(tLay, 1) + "#Include \"" + szFile + "\"");
    PutLine(sOut, "#EndIf");
}

void PutSectionHead(std::string& sOut, const tWriteLayout& tLay, const char* szTitle,
                    bool bSeparatorBelow) {
    PutLine(sOut, SeparatorLine(tLay));
    PutLine(sOut, SectionTitle(szTitle));
    if (bSeparatorBelow) {
        PutLine(sOut, SeparatorLine(tLay));
    }
}

// Runs one section writer alone, as a new file holds the section.
template <class F> std::string RunAlone(const char* szStatus, const tWriteLayout& tLay, F fn) {
    ShowStatusText(szStatus);
    std::string s;
    {
        const FullFileScope tFull(true);
        fn(s, tLay);
    }
    CloseStatusText();
    return s;
}

} // namespace

void KvlIncludeFlags(bool& bComCtl, bool& bRichEdit) {
    bComCtl = bRichEdit = false;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (!gatDlg.Live(l)) {
            continue;
        }
        int32_t lKind = gatDlg[l].lCtlType;
        if (lKind == wkCtlRichEdit) {
            bRichEdit = true;
        } else if (lKind >= wkCtlUpDown && lKind <= wkCtlIPAddress) {
            bComCtl = true;
        }
    }
}

void WriteKvlIncludes(std::string& sOut, const tWriteLayout& tLay, const tDocument& tDoc,
                      bool bComCtl, bool bRichEdit) {
    if (FullFile()) {
        PutSectionHead(sOut, tLay, "Includes", true);
    }
    PutLine(sOut, MetaBegin("Includes", ""));
    // A companion script that could not be read keeps its line: its resources
    // are still the program's, only not in the project.
    if (NeedsCompanionScript() || !tDoc.sUnreadCompanion.empty()) {
        PutLine(sOut, "#Resource \"" + ResourceFileName(tDoc.sPath) + "\"");
    }
    PutIncludeGuard(sOut, tLay, "%KVWINAPI", "KVWINAPI.INC");
    if (bComCtl) {
        PutIncludeGuard(sOut, tLay, "%KVCOMCTL_INC", "KVCOMCTL.INC");
    }
    if (bRichEdit) {
        PutIncludeGuard(sOut, tLay, "%KVRICHED_INC", "KVRICHED.INC");
    }
    if (bComCtl || UsesOwnFonts()) {
        PutLine(sOut, "#Include \"Wrenkit.INC\"");
    }
    PutLine(sOut, MetaEnd("Includes"));
    if (FullFile()) {
        PutLine(sOut, SeparatorLine(tLay));
        PutEmpty(sOut);
    }
}

void WriteKvlConstants(std::string& sOut, const tWriteLayout& tLay) {
    if (FullFile()) {
        PutSectionHead(sOut, tLay, "Constants", true);
    }
    PutLine(sOut, MetaBegin("Constants", ""));
    // The name column: longest name plus one, up to the next multiple of the tab size.
    size_t lLongest = 0;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            lLongest = std::max(lLongest, gatID[l].szIDName.size());
        }
    }
    const size_t lTab = static_cast<size_t>(std::max(tLay.lTabSizeKVL, 1));
    const size_t lColumn = (lLongest + 1 + lTab - 1) / lTab * lTab;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            std::string sName = gatID[l].szIDName.str();
            PutLine(sOut, sName + std::string(lColumn - sName.size(), ' ') + "= " + IDValueText(l));
        }
    }
    PutLine(sOut, MetaEnd("Constants"));
    if (FullFile()) {
        PutLine(sOut, SeparatorLine(tLay));
        PutEmpty(sOut);
    }
}

void WriteKvlDeclarations(std::string& sOut, const tWriteLayout& tLay) {
    PutSectionHead(sOut, tLay, "Declarations", true);
    const std::string sAttach = "(ByVal hDlg As Dword) As Dword";
    if (glMenuCnt > 0) {
        ForEachRes(wkResMenu, [&](int32_t l) {
            PutWrapped(sOut, tLay, "Declare Function Attach" + FunctionBaseName(l) + sAttach);
        });
    }
    if (glAccelCnt > 0) {
        PutWrapped(sOut, tLay,
                   "Declare Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, "
                   "ByVal wCmd As Word, ByVal byFVirt As Byte) As Long");
        ForEachRes(wkResAccel, [&](int32_t l) {
            PutWrapped(sOut, tLay, "Declare Function Attach" + FunctionBaseName(l) + sAttach);
        });
    }
    const bool bDialogs = glResCnt > 0 && glDlgCnt > 0;
    if (bDialogs) {
        ForEachRes(wkResDialog, [&](int32_t l) {
            PutWrapped(sOut, tLay,
                       "Declare CallBack Function Show" + FunctionBaseName(l) + "Proc()");
        });
    }
    WriteSampleDeclarations(sOut, tLay);
    if (bDialogs) {
        ForEachRes(wkResDialog, [&](int32_t l) {
            PutWrapped(sOut, tLay,
                       "Declare Function Show" + FunctionBaseName(l) +
                           "(ByVal hParent As Dword) As Long");
        });
    }
    PutLine(sOut, MetaDeclarations());
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
}

void WriteKvlMain(std::string& sOut, const tWriteLayout& tLay, bool bComCtl, bool bRichEdit) {
    PutLine(sOut, SeparatorLine(tLay));
    PutLine(sOut, "Function KvMain()");
    if (bRichEdit) {
        PutLine(sOut, Indent(tLay, 1) + "Local hModRE As Dword");
    }
    if (bComCtl) {
        PutEmpty(sOut);
        PutLine(sOut, Indent(tLay, 1) +
                          "WrenkitInitComCtls (%ICC_WIN95_CLASSES Or %ICC_DATE_CLASSES Or "
                          "%ICC_INTERNET_CLASSES)");
    }
    if (bRichEdit) {
        PutEmpty(sOut);
        PutLine(sOut, Indent(tLay, 1) + "hModRE = LoadLibrary(\"RICHED32.DLL\")");
    }
    if (bComCtl || bRichEdit) {
        PutEmpty(sOut);
    }
    ForEachRes(wkResDialog, [&](int32_t l) {
        PutLine(sOut, Indent(tLay, 1) + "Show" + FunctionBaseName(l) + " %HWND_DESKTOP");
    });
    if (bRichEdit) {
        PutEmpty(sOut);
        PutLine(sOut, Indent(tLay, 1) + "FreeLibrary hModRE");
    }
    PutLine(sOut, "End Function");
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
}

void WriteKvlMenus(std::string& sOut, const tWriteLayout& tLay) {
    if (glMenuCnt <= 0) {
        return;
    }
    PutSectionHead(sOut, tLay, "Menus", false);
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ForEachRes(wkResMenu, [&](int32_t l) { WriteMenuFunction(sOut, tLay, l); });
}

void WriteKvlAccelerators(std::string& sOut, const tWriteLayout& tLay) {
    if (glAccelCnt <= 0) {
        return;
    }
    PutSectionHead(sOut, tLay, "Accelerators", true);
    WriteAssignAccelBlock(sOut, tLay);
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ForEachRes(wkResAccel, [&](int32_t l) { WriteAccelFunction(sOut, tLay, l); });
}

void WriteKvlCallBacks(std::string& sOut, const tWriteLayout& tLay) {
    if (glResCnt <= 0 || glDlgCnt <= 0) {
        return;
    }
    PutSectionHead(sOut, tLay, "CallBacks", false);
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ForEachRes(wkResDialog, [&](int32_t l) { WriteCallbackFunction(sOut, tLay, l); });
}

void WriteKvlSampleCode(std::string& sOut, const tWriteLayout& tLay) {
    if (!SampleKindsPresent(0).bAny) {
        return;
    }
    PutSectionHead(sOut, tLay, "Sample Code", false);
    WriteSampleFunctions(sOut, tLay);
}

void WriteKvlDialogs(std::string& sOut, const tWriteLayout& tLay) {
    if (glDlgCnt <= 0) {
        return;
    }
    PutSectionHead(sOut, tLay, "Dialogs", false);
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ForEachRes(wkResDialog, [&](int32_t l) { WriteDialogFunction(sOut, tLay, l); });
}

std::string KvlIncludesSection(const tDocument& tDoc, const tWriteLayout& tLay) {
    return RunAlone("Saving KVL", tLay, [&tDoc](std::string& s, const tWriteLayout& tLay) {
        bool bComCtl = false;
        bool bRichEdit = false;
        KvlIncludeFlags(bComCtl, bRichEdit);
        WriteKvlIncludes(s, tLay, tDoc, bComCtl, bRichEdit);
    });
}

std::string KvlConstantsSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Constants", tLay, WriteKvlConstants);
}

std::string KvlDeclarationsSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Declarations", tLay, WriteKvlDeclarations);
}

std::string KvlDialogsSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Dialog", tLay, WriteKvlDialogs);
}

std::string KvlMenusSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Menu", tLay, WriteKvlMenus);
}

std::string KvlAcceleratorsSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Accelerators", tLay, WriteKvlAccelerators);
}

std::string KvlCallBacksSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Basic Code", tLay, WriteKvlCallBacks);
}

std::string KvlSampleCodeSection(const tWriteLayout& tLay) {
    return RunAlone("Saving KVL Basic Code", tLay, WriteKvlSampleCode);
}
