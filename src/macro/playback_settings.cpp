#include "macro/playback_settings.h"

#include <string>

#include "core/play_speed.h"
#include "win/text.h"

namespace wp::macro {
namespace {

constexpr const wchar_t* section = L"Settings";
constexpr const wchar_t* keySettings[shortcutCount] = {L"RunKey", L"RecordKey", L"StopKey"};

} // namespace

ShortcutKeys readShortcutKeys(win::SettingsStore* settings) {
    ShortcutKeys keys;
    for (int i = 0; i < shortcutCount; ++i) {
        std::optional<std::string> kept;
        if (settings)
            if (const auto text = settings->find(section, keySettings[i])) kept = win::toUtf8(*text);
        keys.keys[static_cast<std::size_t>(i)] = readShortcutKey(static_cast<Shortcut>(i), kept);
    }
    return keys;
}

void writeShortcutKey(win::SettingsStore& settings, Shortcut which, const std::optional<KeyChord>& key) {
    settings.write(section, keySettings[which], win::toWide(shortcutKeyText(key)));
}

double readPlaySpeedSetting(win::SettingsStore* settings) {
    return readPlaySpeed(settings ? win::toUtf8(settings->read(section, L"PlaySpeed")) : "");
}

void writePlaySpeedSetting(win::SettingsStore& settings, double speed) {
    settings.write(section, L"PlaySpeed", win::toWide(playSpeedText(speed)));
}

bool readRecordKeyboard(win::SettingsStore* settings) {
    return !settings || settings->read(section, L"RecordKeyboard") != L"0";
}

void writeRecordKeyboard(win::SettingsStore& settings, bool on) {
    settings.write(section, L"RecordKeyboard", on ? L"1" : L"0");
}

std::vector<KeyChord> chosenKeys(const ShortcutKeys& keys) {
    std::vector<KeyChord> chosen;
    for (const auto& key : keys.keys)
        if (key) chosen.push_back(*key);
    return chosen;
}

} // namespace wp::macro
