#include "app/start_with_windows.h"

#include "core/app_info.h"
#include "win/text.h"

namespace wp::app {
namespace {

// The full path, however long: the buffer grows until the name fits.
std::wstring thisExe() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

// The exe a command starts: the quoted part, or up to the first space.
std::wstring programOf(const std::wstring& command) {
    if (command.starts_with(L'"')) return command.substr(1, command.find(L'"', 1) - 1);
    return command.substr(0, command.find(L' '));
}

} // namespace

std::wstring startValueName() {
    return win::toWide(appInfo.Title);
}

win::RegistrySettings userStartStore() {
    return win::RegistrySettings(L"Software\\Microsoft\\Windows\\CurrentVersion");
}

StartWithWindows startWithWindows(win::SettingsStore& store) {
    const auto command = store.find(runSection, startValueName());
    if (!command) return StartWithWindows::Off;
    const std::wstring program = programOf(*command), self = thisExe();
    // Paths are told apart as the file system does: without regard to case.
    const bool same =
        !self.empty() && CompareStringOrdinal(program.c_str(), static_cast<int>(program.size()), self.c_str(),
                                              static_cast<int>(self.size()), TRUE) == CSTR_EQUAL;
    return same ? StartWithWindows::ThisCopy : StartWithWindows::AnotherCopy;
}

void setStartWithWindows(win::RegistrySettings& store, bool on) {
    if (on)
        store.write(runSection, startValueName(), L"\"" + thisExe() + L"\" --tray");
    else
        store.erase(runSection, startValueName());
}

} // namespace wp::app
