#pragma once
// The settings that live apart from the league, under application "Orvane", section
// "ZelvanoSim".

#include <string>
#include <string_view>

namespace zelvano {

inline constexpr const char* kSettingsApplication = "Orvane";
inline constexpr const char* kSettingsSection = "ZelvanoSim";
inline constexpr const char* kGameSpeedKey = "ZWait";
inline constexpr const char* kAutoAdvanceKey = "ZNext";
// The game's language: a language's code ("ja", "en"), or empty for the desktop's.
inline constexpr const char* kLanguageKey = "Language";

// The stored game speed as GameWait. The value is written in hexadecimal, given a leading "0" and
// read back as decimal, exactly as leagues have always loaded it: 7 → 7, 12 → 0, 20 → 14, 26 → 1;
// missing, negative or out of range → 0.
int gameWaitFromSetting(std::string_view stored);

// Only the exact text "ON" switches auto-advance on.
inline bool autoAdvanceOn(std::string_view stored) { return stored == "ON"; }

}  // namespace zelvano
