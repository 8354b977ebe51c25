#include "app/styles_resource.h"

#include "styles/catalog.h"

#include <windows.h>

std::string StylesTextFromResource() {
    HMODULE hModule = GetModuleHandleA(nullptr);
    HRSRC hRes = FindResourceA(hModule, "STYLESFILE", MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!hRes) {
        return std::string();
    }
    HGLOBAL hData = LoadResource(hModule, hRes);
    const char* pText = hData ? static_cast<const char*>(LockResource(hData)) : nullptr;
    if (!pText) {
        return std::string();
    }
    return std::string(pText, SizeofResource(hModule, hRes));
}

void UseStylesResource() {
    gpfnLoadStylesText = StylesTextFromResource;
}
