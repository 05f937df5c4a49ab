// The per-user settings store: string values by section and key.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/handle.h"

namespace wp::win {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Nothing for a missing or unreadable value.
    virtual std::optional<std::wstring> find(const std::wstring& section, const std::wstring& key) = 0;
    // A missing or unreadable value reads as the empty text.
    std::wstring read(const std::wstring& section, const std::wstring& key) {
        return find(section, key).value_or(std::wstring());
    }
    virtual void write(const std::wstring& section, const std::wstring& key, const std::wstring& value) = 0;
};

// Values under <root>\<base>\<section> as REG_SZ. The program uses HKCU\Software\Wanderpoint;
// tests give another base so they never touch the user's settings.
class RegistrySettings final : public SettingsStore {
public:
    // Longer values are taken as unreadable rather than loaded into a four-character box.
    static constexpr DWORD maxValueChars = 4096;

    explicit RegistrySettings(std::wstring base, HKEY root = HKEY_CURRENT_USER);
    std::optional<std::wstring> find(const std::wstring& section, const std::wstring& key) override;
    void write(const std::wstring& section, const std::wstring& key, const std::wstring& value) override;
    // Deletes the value; false only when it is still there.
    bool erase(const std::wstring& section, const std::wstring& key);

private:
    HKEY root_;
    std::wstring base_;
};

} // namespace wp::win
