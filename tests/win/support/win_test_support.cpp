#include "tests/win/support/win_test_support.h"

#include <cstdlib>
#include <fstream>
#include <vector>

std::string ArtifactsDir() {
    const char* pDir = std::getenv("WK_ARTIFACTS");
    std::string sDir = pDir && *pDir ? pDir : "artifacts";
    CreateDirectoryA(sDir.c_str(), nullptr);
    return sDir;
}

void PumpMessages(int lMilliseconds) {
    const DWORD lStart = GetTickCount();
    do {
        MSG tMsg;
        while (PeekMessageA(&tMsg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&tMsg);
            DispatchMessageA(&tMsg);
        }
        Sleep(5);
    } while (GetTickCount() - lStart < static_cast<DWORD>(lMilliseconds));
}

std::string SaveWindowScreenshot(HWND hWnd, const std::string& sName) {
    RECT tRect;
    if (!GetWindowRect(hWnd, &tRect)) {
        return "";
    }
    const int cx = tRect.right - tRect.left;
    const int cy = tRect.bottom - tRect.top;
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBmp = CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = SelectObject(hMem, hBmp);
    // What the screen shows is what a user sees: frame, menu bar and client. A
    // hidden window paints itself into the bitmap instead.
    if (IsWindowVisible(hWnd)) {
        SetForegroundWindow(hWnd);
        RedrawWindow(hWnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        BitBlt(hMem, 0, 0, cx, cy, hScreen, tRect.left, tRect.top, SRCCOPY);
    } else {
        PrintWindow(hWnd, hMem, 0);
    }
    SelectObject(hMem, hOld);

    BITMAPINFOHEADER tInfo{};
    tInfo.biSize = sizeof(tInfo);
    tInfo.biWidth = cx;
    tInfo.biHeight = cy;
    tInfo.biPlanes = 1;
    tInfo.biBitCount = 24;
    const int lStride = (cx * 3 + 3) & ~3;
    std::vector<char> acPixels(static_cast<size_t>(lStride) * cy);
    GetDIBits(hMem, hBmp, 0, cy, acPixels.data(), reinterpret_cast<BITMAPINFO*>(&tInfo),
              DIB_RGB_COLORS);
    DeleteObject(hBmp);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);

    BITMAPFILEHEADER tFile{};
    tFile.bfType = 0x4D42;
    tFile.bfOffBits = sizeof(tFile) + sizeof(tInfo);
    tFile.bfSize = tFile.bfOffBits + static_cast<DWORD>(acPixels.size());
    const std::string sPath = ArtifactsDir() + "\\" + sName + ".bmp";
    std::ofstream tOut(sPath, std::ios::binary);
    tOut.write(reinterpret_cast<const char*>(&tFile), sizeof(tFile));
    tOut.write(reinterpret_cast<const char*>(&tInfo), sizeof(tInfo));
    tOut.write(acPixels.data(), static_cast<std::streamsize>(acPixels.size()));
    return tOut ? sPath : "";
}

std::string MenuItemText(HMENU hMenu, UINT lId) {
    char szText[256] = "";
    GetMenuStringA(hMenu, lId, szText, sizeof(szText), MF_BYCOMMAND);
    return szText;
}

std::string MenuItemTextByPos(HMENU hMenu, int lPos) {
    char szText[256] = "";
    GetMenuStringA(hMenu, static_cast<UINT>(lPos), szText, sizeof(szText), MF_BYPOSITION);
    return szText;
}

std::string WindowClassName(HWND hWnd) {
    char szText[256] = "";
    GetClassNameA(hWnd, szText, sizeof(szText));
    return szText;
}

std::string WindowText(HWND hWnd) {
    char szText[1024] = "";
    GetWindowTextA(hWnd, szText, sizeof(szText));
    return szText;
}
