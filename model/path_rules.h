// The path rules of the program: extensions, file types, the companion
// resource script, the folder of a path and paths relative to a source file,
// for the readers, the writers and the file commands alike. Both "\" and "/" separate folders,
// so the same rules serve the Win32 program and the command-line tool.
#pragma once

#include <cstdint>
#include <string>

// File types by extension (import, drop, open).
enum : int32_t {
    wkFileNone = 0,
    wkFileKvl = 1,  // .BAS, .BI, .INC
    wkFileRC = 2,   // .RC, .DLG, .H
    wkFileForm = 3, // .FRM
};

// The extension of the file name: from its last "." on, in upper case
// (".BAS"); "" when the name has no ".". A "." in a folder name never counts.
std::string FileExtension(const std::string& sPath);
// The type of a path by its extension.
int32_t FileTypeOf(const std::string& sPath);
// The path with its extension replaced by sExt (".rc", ".res", ".kvr",
// ".rclog"); a name without extension gets sExt appended.
std::string ReplaceExtension(const std::string& sPath, const std::string& sExt);
// The companion resource script of a KVL file: its path with ".rc".
std::string CompanionPath(const std::string& sPath);
// The folder of a path up to and including its last separator (or drive
// colon); "" for a bare name.
std::string FolderOf(const std::string& sPath);
// A path relative to the source file's folder (".\\" in front when it still
// holds a folder), as the #Resource line and the companion script write it;
// sPath itself when it lies outside that folder (compared case-blind).
std::string RelativeToSource(const std::string& sPath, const std::string& sSourcePath);
