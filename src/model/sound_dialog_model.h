// The Sound dialog: the five sound events' switches, names and files as its list shows them,
// and what its buttons do.
#pragma once

#include <array>
#include <optional>

#include "model/game_state.h"
#include "model/message.h"

// One line per sound event, in the order of the settings.
using SoundRows = std::array<SoundSetting, kSoundEventCount>;

// What the list opens with: the game's sound settings.
SoundRows OpenSound(const GameState& gs);
// "Set to default": every event switched on with its default file.
void SetDefaultSounds(SoundRows& rows);
// "Set all" (on) and "Reset all" (off): every event's switch; the files stay.
void SwitchAllSounds(SoundRows& rows, bool on);
// OK: the lines become the game's sound settings.
void ApplySounds(GameState& gs, const SoundRows& rows);

// Play and Select act on the selected line (-1 none): without one the player is told so
// instead.
std::optional<Message> LineNeeded(const SoundRows& rows, int line);
