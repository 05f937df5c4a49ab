// The command list: entries added at its end and removed, and the lock that keeps a repeat added last.
#include <windows.h>

#include "core/macro_commands.h"
#include "macro/frmMacro.h"
#include "macro/frmMacro_ids.h"
#include "win/text.h"

namespace wp::macro {
namespace ids = macro_ids;

namespace {

// The controls of the input lock; the labels go with the frame they stand in.
constexpr int lockedControls[] = {
    ids::cmdAddCmd,    ids::optionId(0), ids::optionId(1), ids::optionId(2),    ids::optionId(3),  ids::optionId(4),
    ids::optionId(5),  ids::optionId(6), ids::Frame1,      ids::Label1,         ids::txtX,         ids::Label2,
    ids::txtY,         ids::ChkShowHelper, ids::Image1,    ids::txtSleep,       ids::txtTimes,     ids::lblTimes,
    ids::optionId(7),  ids::optionId(8), ids::optionId(9), ids::FramePressKey,  ids::txtKey,       ids::optionId(10),
    ids::FrameTypeText, ids::txtText, ids::optionId(11), ids::txtWheel, ids::lblNotches, ids::cmdInsert,
};

} // namespace

std::vector<std::wstring> FrmMacro::entries() const {
    const HWND list = control(ids::lstCommand);
    const LRESULT count = list ? SendMessageW(list, LB_GETCOUNT, 0, 0) : 0;
    std::vector<std::wstring> texts;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        const LRESULT copied =
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
        texts.push_back(std::move(text));
    }
    return texts;
}

void FrmMacro::cmdAddCmd_Click() {
    if (changing_) return updateEntry();
    if (PendingCommand.empty()) return;
    takeSelection();
    const ListChange added = list_.add(win::toUtf8(PendingCommand));
    edited(added);
    if (added && commandCode(win::toUtf8(PendingCommand)) == "RPT") DisableCommandInput();
}

void FrmMacro::cmdRemoveCmd_Click() {
    takeSelection();
    edited(list_.removeSelected());
    openLockWithoutRepeat();
}

void FrmMacro::DisableCommandInput() {
    for (int id : lockedControls)
        EnableWindow(control(id), FALSE);
}

void FrmMacro::EnableCommandInput() {
    for (int id : lockedControls)
        EnableWindow(control(id), TRUE);
}

} // namespace wp::macro
