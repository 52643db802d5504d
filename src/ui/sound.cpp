// Playing the game's sound events through the system's sound service.
#include "ui/sound.h"

#include <windows.h>

#include <mmsystem.h>

void PlaySoundEvent(const GameState& gs, int index) {
    if (index < 0 || index >= kSoundEventCount || gs.settings.sounds[index].enabled == 0) return;
    PlaySoundA(gs.settings.sounds[index].file.c_str(), nullptr, SND_ASYNC);
}
