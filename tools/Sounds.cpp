// sndPlaySound with SND_ASYNC only, as the program has always called it.
#include "tools/Sounds.h"

#include <windows.h>
#include <mmsystem.h>

namespace zuno::tools {

void PlaySoundEffect(bool enabled, const std::wstring& exepath, const wchar_t* relativeFile) {
    if (!enabled) return;
    const std::wstring path = exepath + relativeFile;
    sndPlaySoundW(path.c_str(), SND_ASYNC);
}

}  // namespace zuno::tools
