#include "app/processes.h"

#include <vector>

namespace {

// A kernel handle closed on scope exit.
class KernelHandle {
  public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE hNew) { Reset(hNew); }
    ~KernelHandle() { Reset(nullptr); }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    HANDLE Get() const { return h; }
    void Reset(HANDLE hNew) {
        if (h) {
            CloseHandle(h);
        }
        h = hNew == INVALID_HANDLE_VALUE ? nullptr : hNew;
    }

  private:
    HANDLE h = nullptr;
};

// CreateProcessA may write into the command line.
std::vector<char> Writable(const std::string& s) {
    std::vector<char> ac(s.begin(), s.end());
    ac.push_back('\0');
    return ac;
}

// The hourglass and a disabled main window while a tool runs; everything back
// (and the main window in front again) when it has ended.
class BusyMainWindow {
  public:
    explicit BusyMainWindow(HWND hMain)
        : hMain(hMain), hOldCursor(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {
        if (hMain) {
            EnableWindow(hMain, FALSE);
        }
    }
    ~BusyMainWindow() {
        SetCursor(hOldCursor);
        if (hMain) {
            EnableWindow(hMain, TRUE);
            SetFocus(hMain);
            SetForegroundWindow(hMain);
        }
    }
    BusyMainWindow(const BusyMainWindow&) = delete;
    BusyMainWindow& operator=(const BusyMainWindow&) = delete;

  private:
    HWND hMain;
    HCURSOR hOldCursor;
};

} // namespace

DWORD StartProcess(const std::string& sProgram, const std::string& sCmdLine) {
    std::vector<char> acCmd = Writable(sCmdLine);
    STARTUPINFOA tStart{};
    tStart.cb = sizeof(tStart);
    tStart.dwFlags = STARTF_USESHOWWINDOW;
    tStart.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION tProc{};
    if (!CreateProcessA(sProgram.c_str(), acCmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &tStart, &tProc)) {
        return GetLastError();
    }
    CloseHandle(tProc.hThread);
    CloseHandle(tProc.hProcess);
    return 0;
}

DWORD RunProcessAndWait(HWND hMain, const std::string& sCmdLine, const std::string& sOutFile,
                        const std::string& sWorkDir) {
    KernelHandle hOut;
    STARTUPINFOA tStart{};
    tStart.cb = sizeof(tStart);
    tStart.dwFlags = STARTF_USESHOWWINDOW;
    tStart.wShowWindow = SW_HIDE;
    if (!sOutFile.empty()) {
        SECURITY_ATTRIBUTES tSec{};
        tSec.nLength = sizeof(tSec);
        tSec.bInheritHandle = TRUE;
        hOut.Reset(CreateFileA(sOutFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &tSec,
                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!hOut.Get()) {
            return GetLastError();
        }
        tStart.dwFlags |= STARTF_USESTDHANDLES;
        tStart.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        tStart.hStdOutput = hOut.Get();
        tStart.hStdError = hOut.Get();
    }
    std::vector<char> acCmd = Writable(sCmdLine);
    PROCESS_INFORMATION tProc{};
    BusyMainWindow tBusy(hMain);
    // No console of its own: a console host would keep a copy of the log's
    // handle after the tool ended, and the log could be neither read nor deleted.
    if (!CreateProcessA(nullptr, acCmd.data(), nullptr, nullptr, hOut.Get() ? TRUE : FALSE,
                        DETACHED_PROCESS, nullptr, sWorkDir.empty() ? nullptr : sWorkDir.c_str(),
                        &tStart, &tProc)) {
        return GetLastError();
    }
    KernelHandle hThread(tProc.hThread);
    KernelHandle hProcess(tProc.hProcess);
    WaitForSingleObject(hProcess.Get(), INFINITE);
    return 0;
}

std::string SystemErrorText(DWORD lCode) {
    char szText[512] = {};
    const DWORD lLen = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, lCode, 0, szText, sizeof(szText), nullptr);
    std::string s(szText, lLen);
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ')) {
        s.pop_back();
    }
    return s;
}
