// The three sound effects: an answer option clicked, a navigation or exit button
// pressed, a catalogue entry opened. Each plays only while its switch is on.
#pragma once

#include <functional>
#include <string>

namespace zuno::tools {

// Plays exepath + relativeFile asynchronously; a new sound cuts off one still
// playing, and a missing file makes Windows play its default sound.
void PlaySoundEffect(bool enabled, const std::wstring& exepath, const wchar_t* relativeFile);

// Tests watch the sounds asked for by putting their own player here; an empty one
// puts the system's back.
using SoundPlayer = std::function<void(const std::wstring& path)>;
void SetSoundPlayer(SoundPlayer player);

inline constexpr wchar_t kOptionalClickWav[] = L"sound\\optionalclick.wav";
inline constexpr wchar_t kButtonClickWav[] = L"sound\\buttonclick.wav";
inline constexpr wchar_t kMenuClickWav[] = L"sound\\menuclick.wav";

}  // namespace zuno::tools
