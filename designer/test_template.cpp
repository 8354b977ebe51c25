#include "designer/test_template.h"

DialogTemplate::DialogTemplate(uint32_t lStyle, uint32_t lExStyle, short x, short y, short cx,
                               short cy, const std::string& sCaption, const std::string& sFace,
                               WORD lPoints, WORD lWeight, BYTE byItalic, BYTE byCharSet) {
    Word(1);      // dlgVer
    Word(0xFFFF); // signature of the extended form
    Long(0);      // helpID
    Long(lExStyle);
    Long(lStyle);
    Word(0); // cDlgItems, set by Get
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(0); // no menu: the menu bar is set afterwards
    Word(0); // the standard dialog class
    Text(sCaption);
    if (lStyle & DS_SETFONT) {
        Word(lPoints);
        Word(lWeight);
        Word(static_cast<WORD>(byItalic | byCharSet << 8));
        Text(sFace);
    }
}

void DialogTemplate::AddItem(uint32_t lStyle, uint32_t lExStyle, short x, short y, short cx,
                             short cy, uint32_t lID, const std::string& sClass,
                             const std::string& sText) {
    Align();
    Long(0); // helpID
    Long(lExStyle);
    Long(lStyle);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Long(lID);
    Text(sClass);
    Text(sText);
    Word(0); // no creation data
    ++lCount;
}

const DLGTEMPLATE* DialogTemplate::Get() {
    aw[8] = lCount;
    return reinterpret_cast<const DLGTEMPLATE*>(aw.data());
}

void DialogTemplate::Word(WORD l) {
    aw.push_back(l);
}

void DialogTemplate::Long(uint32_t l) {
    aw.push_back(static_cast<WORD>(l & 0xFFFF));
    aw.push_back(static_cast<WORD>(l >> 16));
}

void DialogTemplate::Text(const std::string& s) {
    // Texts of the tables are bytes of the ANSI code page.
    if (!s.empty()) {
        const int n =
            MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
        std::wstring w(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
        for (wchar_t c : w) {
            // A zero inside a text would end it early and shift every item after it.
            aw.push_back(c ? static_cast<WORD>(c) : static_cast<WORD>(' '));
        }
    }
    aw.push_back(0);
}

void DialogTemplate::Align() {
    if (aw.size() % 2) {
        aw.push_back(0);
    }
}
