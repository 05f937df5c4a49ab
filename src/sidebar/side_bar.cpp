#include "sidebar/side_bar.h"

#include <olectl.h>

#include <optional>
#include <string>

#include "core/numbers.h"
#include "win/system_library.h"
#include "win/text.h"

namespace wp::sidebar {
namespace {

// The text in the ANSI code page, one byte per character; nothing when a character has no such code.
std::optional<std::string> singleByteText(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) {
        char bytes[4]{};
        BOOL lossy = FALSE;
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &lossy);
        if (n != 1 || lossy) return std::nullopt;
        out += bytes[0];
    }
    return out;
}

// OleTranslateColor. A plain RGB value (high byte 0) translates to itself without a palette, so
// only system colours and palette entries load the OLE DLLs, which would otherwise cost the main
// window time before it shows.
void translateColour(COLORREF oColor, COLORREF& rgb) {
    if ((oColor >> 24) == 0) {
        rgb = oColor;
        return;
    }
    static win::SystemLibrary oleaut32(L"oleaut32.dll");
    if (const auto translate = oleaut32.function<decltype(OleTranslateColor)>("OleTranslateColor"))
        translate(oColor, nullptr, &rgb);
}

} // namespace

SideBar::SideBar() {
    StartColor(RGB(0, 0, 0));
    EndColor(RGB(0, 0, 255));
}

void SideBar::StartColor(COLORREF oColor) { setColour(startColor_, start_, oColor); }

void SideBar::EndColor(COLORREF oColor) { setColour(endColor_, end_, oColor); }

void SideBar::setColour(COLORREF& stored, ColourComponents& components, COLORREF oColor) {
    if (oColor == stored) return;
    stored = oColor;
    COLORREF rgb = 0; // a failed translation leaves black
    translateColour(oColor, rgb);
    components = componentsOf(rgb);
    if (surface_) Draw();
}

void SideBar::Draw() {
    if (!surface_) return;
    const HDC dc = surface_->hDC();
    if (!dc) return;
    const SIZE size = surface_->scaleSize();
    const auto bands = gradientBands(size.cy, start_, end_);
    if (bands.empty()) return; // under one pixel high: nothing to show

    for (const GradientBand& band : bands) {
        const RECT rect{0, band.top, size.cx, band.bottom};
        win::Brush brush(CreateSolidBrush(band.colour));
        if (brush) FillRect(dc, &rect, brush.get());
    }

    LOGFONTA record{};
    if (!FontToLogFont(surface_->font(), dc, record)) return;
    record.lfEscapement = 900; // tenths of a degree: the text runs upward
    if (win::Font font{CreateFontIndirectA(&record)}) {
        win::SelectedObject selected(dc, font.get());
        const std::string caption = win::narrow(caption_, CP_ACP);
        TextOutA(dc, 0, size.cy - 6, caption.data(), static_cast<int>(caption.size()));
    }
    surface_->refresh();
}

bool SideBar::FontToLogFont(const win::PictureFont& font, HDC dc, LOGFONTA& record) {
    const auto face = singleByteText(font.Name);
    if (!face || face->size() >= sizeof record.lfFaceName) return false; // the field keeps its ending zero
    face->copy(record.lfFaceName, face->size());
    const auto points = toInt32(font.Size); // halves to even: 9.75 pt gives 10
    if (!points) return false;
    record.lfHeight = -MulDiv(points.value, GetDeviceCaps(dc, LOGPIXELSY), 72);
    record.lfItalic = font.Italic;
    record.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    record.lfUnderline = font.Underline;
    record.lfStrikeOut = font.Strikethrough;
    return true;
}

} // namespace wp::sidebar
