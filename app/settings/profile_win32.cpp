// The private-profile primitives of the Win32 program: the real functions.
#ifdef _WIN32

#include "app/settings/profile.h"

#include <windows.h>

#include <vector>

int32_t ProfileGetInt(const std::string& sPath, const std::string& sSection,
                      const std::string& sKey, int32_t lDefault) {
    return static_cast<int32_t>(
        GetPrivateProfileIntA(sSection.c_str(), sKey.c_str(), lDefault, sPath.c_str()));
}

std::string ProfileGetString(const std::string& sPath, const std::string& sSection,
                             const std::string& sKey, const std::string& sDefault,
                             uint32_t lBufLen) {
    if (lBufLen == 0) {
        return std::string();
    }
    std::vector<char> acBuf(lBufLen, 0);
    DWORD lLen = GetPrivateProfileStringA(sSection.c_str(), sKey.c_str(), sDefault.c_str(),
                                          acBuf.data(), lBufLen, sPath.c_str());
    if (lLen >= lBufLen) {
        lLen = lBufLen - 1;
    }
    return std::string(acBuf.data(), lLen);
}

uint32_t ProfileGetSection(const std::string& sPath, const std::string& sSection, char* pBuf,
                           uint32_t lBufLen) {
    if (!pBuf || lBufLen == 0) {
        return 0;
    }
    return GetPrivateProfileSectionA(sSection.c_str(), pBuf, lBufLen, sPath.c_str());
}

int32_t ProfileWriteString(const std::string& sPath, const std::string& sSection,
                           const std::string& sKey, const char* pValue) {
    return WritePrivateProfileStringA(sSection.c_str(), sKey.c_str(), pValue, sPath.c_str()) ? 1
                                                                                             : 0;
}

std::string ExecutablePath() {
    char szPath[MAX_PATH + 1] = {};
    DWORD lLen = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return std::string(szPath, lLen < MAX_PATH ? lLen : MAX_PATH);
}

#endif // _WIN32
