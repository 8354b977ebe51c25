// The bytes of copied controls as they travel on the clipboard under the
// format "KvDlgEditControls": a 12-byte header (total length, version 1,
// number of records), then per control its 112-byte row, its four texts
// (data-file name, caption, style list, extended-style list) and its 56-byte
// font description, all little-endian and without padding. Other running
// copies read and write the same bytes, so the layout never changes; and since
// any program can put a block under that name, reading trusts nothing in it.
#pragma once

#include "model/records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One copied control. Of the row only the fields that travel are kept: the
// element references (ID, resource, window, tab order, font, class element)
// are 0, as every reader must make its own.
struct tClipCtl {
    tDlg tRow;
    std::string sDataFile;
    std::string sCaption;
    std::string sStyle;
    std::string sExStyle;
    tFontDesc tFont;
};

constexpr int32_t wkClipVersion = 1;
constexpr std::size_t wkClipHeaderLen = 12;
constexpr std::size_t wkClipRowLen = 112;
constexpr std::size_t wkClipFontLen = 56;

// The whole block for the controls, header included.
std::string EncodeClipControls(const std::vector<tClipCtl>& atCtl);

enum : int32_t {
    wkClipOk = 1,      // atCtl holds every record
    wkClipIgnored = 0, // empty, or a block of another version: nothing to paste, nothing to say
    wkClipDamaged = -1 // sError says what does not fit; atCtl is empty
};
// Reads a block of lSize bytes (its real size, which may exceed the length the
// header gives). Never reads outside it; on any inconsistency the whole block
// is rejected, so a paste adds all of it or nothing.
int32_t DecodeClipControls(const uint8_t* pData, std::size_t lSize, std::vector<tClipCtl>& atCtl,
                           std::string& sError);

// The record of a gatDlg row of the project: its texts from the dynamic
// strings, the file of its data resource and the description of its font.
tClipCtl ClipControlFromRow(int32_t lElem);
