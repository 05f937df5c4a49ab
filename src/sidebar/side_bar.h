// The side bar painter: a vertical gradient of horizontal bands and an upward caption on a
// picture box.
#pragma once

#include <windows.h>

#include <string>

#include "core/gradient.h"
#include "win/picture_box.h"

namespace wp::sidebar {

class SideBar {
public:
    // Black at the bottom, blue toward the top; no caption, no surface.
    SideBar();

    void Caption(std::wstring sCaption) { caption_ = std::move(sCaption); }
    std::wstring Caption() const { return caption_; }
    // The surface is shared, not owned; it must outlive its use here. Null: none.
    void DrawingObject(win::PictureBox* picThis) { surface_ = picThis; }
    COLORREF StartColor() const { return startColor_; }
    // System colours (high bit set) are taken to RGB now; a change redraws when a surface is set.
    void StartColor(COLORREF oColor);
    COLORREF EndColor() const { return endColor_; }
    void EndColor(COLORREF oColor);
    // Paints the gradient and the caption, then refreshes the surface. Any failure ends it
    // quietly with nothing left behind.
    void Draw();

private:
    // False when the face name does not fit the record or has a character without a single-byte code.
    static bool FontToLogFont(const win::PictureFont& font, HDC dc, LOGFONTA& record);
    void setColour(COLORREF& stored, ColourComponents& components, COLORREF oColor);

    std::wstring caption_;
    win::PictureBox* surface_ = nullptr;
    COLORREF startColor_ = RGB(0, 0, 0);
    COLORREF endColor_ = RGB(0, 0, 0);
    ColourComponents start_{};
    ColourComponents end_{};
};

} // namespace wp::sidebar
