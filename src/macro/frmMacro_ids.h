// Control and menu identifiers of the macro window (also read by the end-to-end helpers).
#pragma once

namespace wp::macro::macro_ids {
enum : int {
    lstCommand = 500,
    cmdAddCmd,
    cmdRemoveCmd,
    cmdRun,
    optCommands0, // optCommands(i) is optCommands0 + i
    optCommands6 = optCommands0 + 6,
    Frame1,
    Label1,
    txtX,
    Label2,
    txtY,
    Image1,
    ChkShowHelper,
    txtSleep,
    mtyMouse1,
    txtTimes,
    lblTimes,
    FramePressKey,
    txtKey,
    FrameTypeText,
    txtText,
    txtWheel,
    lblNotches,
    mnuNew = 540,
    mnuOpen,
    mnuSave,
    mnuExit,
    mnuEnableF9,
    mnuRecord,
    mnuShortcutKeys,
    mnuSpeed0, // the Speed menu's items, in their order
    mnuRecordKeyboard = 570,
    lblRunStatus = 580,
    optCommands7 = 590, // the options after the design's seven: optCommands(i) is optCommands7 + i - 7
    cmdInsert = 600,
    cmdMoveUp,
    cmdMoveDown,
    mnuUndo = 610,
    mnuRedo,
    mnuCut,
    mnuCopy,
    mnuPaste,
    mnuInsert,
    mnuMoveUp,
    mnuMoveDown,
    mnuRemove,
    mnuRecover,
};

constexpr int optionId(int index) {
    return index < 7 ? optCommands0 + index : optCommands7 + index - 7;
}
} // namespace wp::macro::macro_ids
