// Where the game's files are, and what it keeps of the player's work when it ends.
#pragma once

#include "ui/app.h"

// Makes the program's own folder the current directory, so that the shipped files (library,
// skins, backgrounds, sounds, help) are found whatever folder the game was started from; and
// chooses the player's folder: the program's own when it can be written, else the player's
// local application data.
void FindFolders();

// Play goes on with the game kept at the last end when it plays the current puzzle. Returns
// the seconds it had been played, or -1 when there was none to resume.
int32_t ResumeKeptGame(App& app);

// Writes the settings file and keeps the game in progress, or removes a kept game that no
// longer is (won, new, or the editor open): what the game does when it ends, by Exit, by its
// window closing, or with the Windows session.
void KeepPlayersWork(App& app);
