#include "win/form.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "win/window.h"

namespace wp::win {

void Form::attach(HWND window, Dpi dpi) {
    window_ = window;
    dpi_ = dpi;
}

void Form::create(FormDesign design) {
    design_ = std::move(design);
    controls_.clear();
    routes_.clear();
    toolTips_.reset();
    for (const FormRow& row : design_.rows) {
        const HWND made = createControl(row.parent ? row.parent : window_,
                                        {row.className, row.text, row.style, row.exStyle, row.rect, row.id}, dpi_);
        controls_.push_back(made);
        if (row.maxChars > 0) SendMessageW(made, EM_LIMITTEXT, static_cast<WPARAM>(row.maxChars), 0);
        if (row.toolTip) {
            // Owned by the window, so the system destroys it with the window.
            if (!toolTips_) toolTips_.reset(createToolTips(window_));
            addToolTip(toolTips_.get(), made, row.toolTip);
        }
        addRoute(row, made);
    }
}

void Form::addRoute(const FormRow& row, HWND control) {
    const bool edit = std::wstring_view(row.className) == L"EDIT";
    const UINT notification = edit ? EN_CHANGE : BN_CLICKED; // BN_CLICKED is STN_CLICKED too
    if (TextBox* const* box = std::get_if<TextBox*>(&row.bound)) {
        (*box)->attach(control, row.handler);
        routes_.push_back({row.id, notification, [box = *box] { box->edited(); }});
    } else if (CheckBox* const* check = std::get_if<CheckBox*>(&row.bound)) {
        (*check)->attach(control, row.handler);
        routes_.push_back({row.id, notification, [check = *check] { check->clicked(); }});
    } else if (row.handler) {
        routes_.push_back({row.id, notification, row.handler});
    }
}

void Form::onCommand(int id, std::function<void()> handler, UINT notification) {
    routes_.push_back({id, notification, std::move(handler)});
}

HWND Form::control(int id) const {
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (design_.rows[i].id == id) return controls_[i];
    return nullptr;
}

void Form::layout() {
    // The old fonts go only once no control uses them.
    std::vector<Font> old = std::exchange(fonts_, {});
    for (const FontSpec& spec : design_.fonts)
        fonts_.push_back(createFont(spec, dpi_));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const FormRow& row = design_.rows[i];
        placeControl(controls_[i], row.rect, dpi_);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font(row.font)), TRUE);
        if (row.fit != Fit::None) growToText(controls_[i], row.fit == Fit::Wider ? Grow::Wider : Grow::Taller);
    }
    if (design_.laidOut) design_.laidOut();
}

void Form::command(WPARAM wParam) {
    const int id = LOWORD(wParam);
    const UINT notification = HIWORD(wParam);
    const auto route = std::find_if(routes_.begin(), routes_.end(),
                                    [&](const Route& r) { return r.id == id && r.notification == notification; });
    if (route == routes_.end()) return;
    // A handler can reopen the window, which makes the routes anew: the running one must outlive that.
    const std::function<void()> run = route->run;
    run();
}

std::optional<LRESULT> Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(wParam);
        return 0;
    case WM_DPICHANGED: {
        dpi_ = Dpi{HIWORD(wParam)};
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
        return 0;
    }
    case WM_DESTROY:
        (void)toolTips_.release(); // destroyed by the system with its owner
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void Form::sizeWindow(SIZE client) const {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, style, GetMenu(window_) != nullptr, exStyle, dpi_.value);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    constexpr UINT sizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window_, nullptr, 0, 0, width, height, sizeOnly);
    // A menu bar's real height can differ from the estimate: correct by what the client area got.
    RECT got{};
    GetClientRect(window_, &got);
    if (got.right == client.cx && got.bottom == client.cy) return;
    width += client.cx - got.right;
    height += client.cy - got.bottom;
    SetWindowPos(window_, nullptr, 0, 0, width, height, sizeOnly);
}

void Form::centre(HWND over) const {
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromWindow(over ? over : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    RECT centre = work;
    if (over) GetWindowRect(over, &centre);
    int x = centre.left + (centre.right - centre.left - width) / 2;
    int y = centre.top + (centre.bottom - centre.top - height) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace wp::win
