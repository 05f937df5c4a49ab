// The about window shown modal: input only, the rest of the program keeps running.
#include "about/frmAbout.h"

#include "win/pump.h"

namespace wp::about {
namespace {

FrmAbout* shownModal = nullptr; // the one about window while it is open

struct OtherWindows {
    HWND self;
    std::vector<HWND>* found;
};

BOOL CALLBACK collectOtherWindow(HWND window, LPARAM context) {
    auto* others = reinterpret_cast<OtherWindows*>(context);
    if (window != others->self && GetWindow(window, GW_OWNER) != others->self && IsWindowVisible(window) &&
        IsWindowEnabled(window))
        others->found->push_back(window);
    return TRUE;
}

} // namespace

void FrmAbout::disableOtherWindows() {
    OtherWindows others{hwnd(), &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), &collectOtherWindow, reinterpret_cast<LPARAM>(&others));
    for (const HWND window : disabled_) EnableWindow(window, FALSE);
}

void FrmAbout::enableOtherWindows() {
    for (const HWND window : disabled_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    disabled_.clear();
}

void FrmAbout::showModal() {
    disableOtherWindows();
    show();
    win::runMessageLoopWhile([this] { return exists(); });
    enableOtherWindows();
    destroy();
}

void showAboutWindow(HWND mainWindow, const AboutDeps& deps) {
    if (shownModal) {
        SetForegroundWindow(shownModal->hwnd());
        return;
    }
    FrmAbout about(deps);
    if (!about.load(mainWindow)) return;
    shownModal = &about;
    about.showModal();
    shownModal = nullptr;
}

void showAboutWindow(HWND mainWindow) {
    SystemShell shell;
    showAboutWindow(mainWindow, AboutDeps{shell});
}

} // namespace wp::about
