// The macro window's keyboard frames, "Press key" and "Type text", the middle button's clicks and
// the wheel: below the design's controls, each frame with its bare option beside the caption, as
// "Move to" has.
#include <windows.h>

#include "core/macro_commands.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"

namespace wp::macro {
namespace ids = macro_ids;
using win::Fit;
using win::FormRow;

std::vector<FormRow> FrmMacro::keyboardRows() {
    constexpr DWORD clip = WS_CLIPSIBLINGS;
    constexpr DWORD option = clip | WS_TABSTOP | WS_GROUP | BS_RADIOBUTTON;
    constexpr DWORD frame = clip | WS_GROUP | BS_GROUPBOX;
    constexpr DWORD box = clip | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL;
    constexpr DWORD label = clip | WS_GROUP | SS_LEFT | SS_NOPREFIX;
    constexpr int notchesMaxChars = 5; // "-9999"
    const auto optionRow = [this](int index, const wchar_t* text, win::DesignRect rect) {
        return FormRow{ids::optionId(index), L"BUTTON", text, option, 0, rect, 0,
                       [this, index] { optionClicked(index); }}
            .fits(Fit::Wider);
    };
    const auto on = [this](void (FrmMacro::*handler)()) { return win::call(this, handler); };
    FormRow notchesBox = FormRow{ids::txtWheel, L"EDIT", L"", box, WS_EX_CLIENTEDGE, {328, 257, 33, 19}, 0,
                                 on(&FrmMacro::txtWheel_Change)}.drives(txtWheel);
    notchesBox.maxChars = notchesMaxChars;
    // clang-format off
    return {
        optionRow(optMiddleClick, L"Middle Click", {256, 226, 113, 17}),
        optionRow(optMiddleDoubleClick, L"Middle Double Click", {256, 242, 129, 17}),
        optionRow(optWheel, L"Wheel", {256, 258, 65, 17}),
        std::move(notchesBox),
        FormRow{ids::lblNotches, L"STATIC", L"notches", label, 0, {364, 260, 41, 13}}.fits(Fit::Wider),
        {ids::FramePressKey, L"BUTTON", L"Press key", frame, 0, {24, 226, 217, 41}},
        optionRow(optKey, L"", {8, 226, 13, 17}),
        FormRow{ids::txtKey, L"EDIT", L"", box, WS_EX_CLIENTEDGE, {32, 242, 201, 19}, 0, on(&FrmMacro::txtKey_Change)}
            .drives(txtKey),
        {ids::FrameTypeText, L"BUTTON", L"Type text", frame, 0, {24, 280, 411, 41}},
        optionRow(optText, L"", {8, 280, 13, 17}),
        FormRow{ids::txtText, L"EDIT", L"", box, WS_EX_CLIENTEDGE, {32, 296, 395, 19}, 0, on(&FrmMacro::txtText_Change)}
            .drives(txtText),
    };
    // clang-format on
}

void FrmMacro::txtKey_Change() { boxChanged(optKey); }

void FrmMacro::txtText_Change() { boxChanged(optText); }

void FrmMacro::txtWheel_Change() { boxChanged(optWheel); }

} // namespace wp::macro
