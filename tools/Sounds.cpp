// sndPlaySound with SND_ASYNC only, as the program has always called it (winmm is
// bound on the first sound, not at start-up).
#include "tools/Sounds.h"

#include <windows.h>
#include <mmsystem.h>

#include "winutil/LateSystemCalls.h"

namespace zuno::tools {

namespace {

SoundPlayer& Player() {
    static SoundPlayer player = [](const std::wstring& path) { winutil::PlaySoundLate(path.c_str(), SND_ASYNC); };
    return player;
}

}  // namespace

void SetSoundPlayer(SoundPlayer player) {
    Player() = player ? std::move(player)
                      : [](const std::wstring& path) { winutil::PlaySoundLate(path.c_str(), SND_ASYNC); };
}

void PlaySoundEffect(bool enabled, const std::wstring& exepath, const wchar_t* relativeFile) {
    if (!enabled) return;
    Player()(exepath + relativeFile);
}

}  // namespace zuno::tools
