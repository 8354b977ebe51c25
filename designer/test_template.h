// An in-memory extended dialog template: the header, then one item per
// control, each on its four-byte boundary, with texts in UTF-16.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class DialogTemplate {
  public:
    // The header; with DS_SETFONT in lStyle the font follows.
    DialogTemplate(uint32_t lStyle, uint32_t lExStyle, short x, short y, short cx, short cy,
                   const std::string& sCaption, const std::string& sFace, WORD lPoints,
                   WORD lWeight, BYTE byItalic, BYTE byCharSet);
    // One control; a class name or, with lAtom non-zero, a predefined class atom.
    void AddItem(uint32_t lStyle, uint32_t lExStyle, short x, short y, short cx, short cy,
                 uint32_t lID, const std::string& sClass, const std::string& sText);
    // The template ready for the dialog functions; the item count is final.
    const DLGTEMPLATE* Get();
    WORD Count() const { return lCount; }

  private:
    void Word(WORD l);
    void Long(uint32_t l);
    void Text(const std::string& s);
    void Align();
    std::vector<WORD> aw;
    WORD lCount = 0;
};
