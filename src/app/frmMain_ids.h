// Control identifiers of the main window (also read by the test inspector).
#pragma once

namespace wp::app::main_ids {
enum : int {
    Command3 = 100,
    info,
    Label6,
    Frame1,
    Label1,
    Label2,
    Frame2,
    Label3,
    Label4,
    Label5,
    picLeftBar,
    Text1,
    Text2,
    Text3,
    Text4,
    TimInt,
    Check1,
    cmdRestoreDefaults,
    cmdMacro,
    Image1,
    Image2,
    Image4,
    Image3,
};
} // namespace wp::app::main_ids
