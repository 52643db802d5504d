// The five sound events, played asynchronously from their wave files.
#pragma once

#include "model/game_state.h"

// Plays event `index` (kSoundDrop ... kSoundError) when it is switched on. Nothing is waited
// for and nothing is reported: a missing file or no sound device is no error.
void PlaySoundEvent(const GameState& gs, int index);

// What plays a wave file: the system's sound service, or in a test a record of what the game
// plays (nullptr puts the system's service back).
using WavePlayer = void (*)(const char* file);
void SetWavePlayer(WavePlayer player);
