// What the macro window needs beside the real pointer when a benchmark drives it: no marker, and
// dialogs that answer with one file name.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "macro/ports.h"
#include "win/event_wait.h"

namespace wp::bench {

class NoMarker final : public macro::MarkerPort {
public:
    void show() override {}
    void hide() override {}
    void close() override {}
    bool isLoaded() const override { return false; }
    void moveTopLeft(int, int) override {}
    void setTarget(markers::MarkerTarget*) override {}
};

class FixedDialogs final : public macro::FileDialogs {
public:
    std::wstring name;
    std::optional<std::wstring> showOpen(HWND, const std::wstring&, const std::wstring&) override { return name; }
    std::optional<std::wstring> showSave(HWND, const std::wstring&, const std::wstring&) override { return name; }
};

template <class Work> double elapsedMs(Work work) {
    const double start = win::monotonicMilliseconds();
    work();
    return win::monotonicMilliseconds() - start;
}

} // namespace wp::bench
