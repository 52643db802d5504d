// Playing the game's sound events through the system's sound service.
#include "ui/sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace {

void SystemPlayer(const char* file) {
    PlaySoundA(file, nullptr, SND_ASYNC);
}

WavePlayer thePlayer = SystemPlayer;

} // namespace

void PlaySoundEvent(const GameState& gs, int index) {
    if (index < 0 || index >= kSoundEventCount || gs.settings.sounds[index].enabled == 0) return;
    thePlayer(gs.settings.sounds[index].file.c_str());
}

void SetWavePlayer(WavePlayer player) {
    thePlayer = player != nullptr ? player : SystemPlayer;
}
