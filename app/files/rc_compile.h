// The parts of resource compilation that need no process: the program folder,
// the include directories the IDE's settings name, the two command lines and
// the reading of the compiler's log. The Win32 program runs RC.EXE and
// KVRES.EXE with them (app/rc_compile_win.cpp).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The folder part of a program path, up to and including its last ":" or "\"
// (or "/", for the native tools); "" when there is none.
std::string ProgramFolderOf(const std::string& sExePath);

// One include directory as the compiler gets it: blanks trimmed; a value that
// starts with a double quote is cut after its closing quote (or gets one); any
// other value is put in double quotes. "" for an empty value.
std::string QuoteIncludeDir(const std::string& sValue);
// Section "Compiler" of KVWIN.INI, keys RcInclude0 to RcInclude9: every
// non-empty value, quoted, in key order.
std::vector<std::string> RcIncludeDirs(const std::string& sIniPath);

// "\"<compiler>\" /x  /i \"<dir>\" ... \"<script>\"".
std::string RcCommandLine(const std::string& sCompiler, const std::vector<std::string>& asDirs,
                          const std::string& sScript);
// "\"<converter>\" \"<res>\"".
std::string KvresCommandLine(const std::string& sConverter, const std::string& sRes);

// How the compiler's log was found.
enum : int32_t {
    wkLogRead = 0,       // read whole
    wkLogUnreadable = 1, // there, but could not be read
    wkLogMissing = 2,    // not there at all
};
// Reads the compiler's log whole and deletes it; tells how it was found.
int32_t TakeCompilerLog(const std::string& sPath, std::string& sLog);

extern const char* const gszLogUnreadable; // "Can't access resource compiler results."
extern const char* const gszLogMissing;    // "Can't find resource compiler results."

// The compiler succeeded: its log was read and is empty or holds no " error RC".
int32_t RcLogSucceeded(int32_t lLogState, const std::string& sLog);
// What the information box shows when it did not: the log (or the failure
// text) with every CR LF CR LF reduced to one CR LF.
std::string RcLogMessage(int32_t lLogState, const std::string& sLog);
