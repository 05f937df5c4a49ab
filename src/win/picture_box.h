// A plain child window that other code paints on: the picture boxes of the windows.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "win/handle.h"
#include "win/window.h"

namespace wp::win {

// The font a picture box offers to those who draw on it.
struct PictureFont {
    std::wstring Name = L"MS Sans Serif";
    double Size = 8.25; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
};

class PictureBox final : public Window {
public:
    using Painter = std::function<void(HDC dc, const RECT& client)>;

    bool create(HWND parent, int id, COLORREF background);
    void setPainter(Painter painter) { painter_ = std::move(painter); }

    const PictureFont& font() const { return font_; }
    void setFont(PictureFont font) { font_ = std::move(font); }
    COLORREF foreColor() const { return foreColor_; }
    void setForeColor(COLORREF colour);
    COLORREF backColor() const { return background_; }
    void setBackColor(COLORREF colour);

    // A DC on the box's persistent picture: what is drawn there stays and is shown at every repaint
    // (refresh() shows it at once). Its text colour is the fore colour, its text background
    // transparent. Null while the window does not exist.
    HDC hDC();
    // The client area in pixels.
    SIZE scaleSize() const;
    // Repaints the box and its children now.
    void refresh();

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void fitPicture();
    void paintOn(HDC dc, const RECT& area);

    Painter painter_;
    COLORREF background_ = 0;
    COLORREF foreColor_ = RGB(0, 0, 0);
    PictureFont font_;
    // The persistent picture, made on the first hDC(); declared so that the bitmap is put out of
    // the DC before either is deleted.
    MemoryDC picture_;
    Bitmap pictureBitmap_;
    std::optional<SelectedObject> pictureSelection_;
};

} // namespace wp::win
