#include "model/file_errors.h"

#include <cerrno>

std::string StdErrorText(int lErr) {
    switch (lErr) {
    case 0:
        return "No Error";
    case 5:
        return "Illegal function call";
    case 6:
        return "Overflow";
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript/Pointer out of range";
    case 11:
        return "Division by zero";
    case 24:
        return "Device timeout";
    case 51:
        return "Internal error";
    case 52:
        return "Bad file name or number";
    case 53:
        return "File not found";
    case 54:
        return "Bad file mode";
    case 55:
        return "File is open";
    case 57:
        return "Device I/O error";
    case 58:
        return "File already exists";
    case 61:
        return "Disk full";
    case 62:
        return "Input past end";
    case 63:
        return "Bad record number";
    case 64:
        return "Bad file name";
    case 67:
        return "Too many files";
    case 68:
        return "Device unavailable";
    case 69:
        return "Comm error";
    case 70:
        return "Permission denied";
    case 71:
        return "Disk not ready";
    case 72:
        return "Disk media error";
    case 74:
        return "Rename across disks";
    case 75:
        return "Path/file access error";
    case 76:
        return "Path not found";
    case 241:
        return "Far heap corrupt";
    case 242:
        return "String space corrupt";
    }
    return "Unknown error";
}

int FileErrorFromErrno(int lErrno) {
    switch (lErrno) {
    case ENOENT:
        return 53;
    case ENOTDIR:
        return 76;
    case EACCES:
    case EPERM:
    case EROFS:
        return 70;
    case ENOSPC:
        return 61;
    case ENOMEM:
        return 7;
    }
    return 75;
}

std::string OpenErrorMessage(int lErr, const std::string& sPath) {
    return "Error #" + std::to_string(lErr) + " " + StdErrorText(lErr) +
           "\r\nwhile trying to open: " + sPath;
}

std::string SaveErrorMessage(int lErr, const std::string& sPath) {
    return "Error #" + std::to_string(lErr) + " while trying to save: " + sPath;
}
