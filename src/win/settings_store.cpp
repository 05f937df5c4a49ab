#include "win/settings_store.h"

namespace wp::win {

RegistrySettings::RegistrySettings(std::wstring base, HKEY root) : root_(root), base_(std::move(base)) {}

std::optional<std::wstring> RegistrySettings::find(const std::wstring& section, const std::wstring& key) {
    const std::wstring path = base_ + L"\\" + section;
    RegKey handle;
    if (RegOpenKeyExW(root_, path.c_str(), 0, KEY_QUERY_VALUE, handle.put()) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(handle.get(), key.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return std::nullopt;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || bytes > maxValueChars * sizeof(wchar_t)) return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(handle.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // The stored string need not be terminated; cut at the first NUL or the stored length.
    value.resize(size / sizeof(wchar_t));
    if (const auto nul = value.find(L'\0'); nul != std::wstring::npos) value.resize(nul);
    return value;
}

void RegistrySettings::write(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    const std::wstring path = base_ + L"\\" + section;
    RegKey handle;
    if (RegCreateKeyExW(root_, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, handle.put(), nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExW(handle.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

bool RegistrySettings::erase(const std::wstring& section, const std::wstring& key) {
    const std::wstring path = base_ + L"\\" + section;
    const LSTATUS status = RegDeleteKeyValueW(root_, path.c_str(), key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

} // namespace wp::win
