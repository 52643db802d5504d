// The Sound dialog's decisions: opening lines, Set to default, Set all, Reset all, OK.
#include "model/sound_dialog_model.h"

SoundRows OpenSound(const GameState& gs) {
    return gs.settings.sounds;
}

void SetDefaultSounds(SoundRows& rows) {
    for (int i = 0; i < kSoundEventCount; ++i) {
        rows[i].file = DefaultSoundFile(i);
        rows[i].enabled = true;
    }
}

void SwitchAllSounds(SoundRows& rows, bool on) {
    for (SoundSetting& row : rows)
        row.enabled = on;
}

void ApplySounds(GameState& gs, const SoundRows& rows) {
    gs.settings.sounds = rows;
}

std::optional<Message> LineNeeded(const SoundRows& rows, int line) {
    if (line >= 0 && static_cast<size_t>(line) < rows.size()) return std::nullopt;
    return Message{"Please select a line in list box."};
}
