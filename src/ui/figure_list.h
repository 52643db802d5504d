// The figure list: an owner-drawn list box whose selection is the figure in hand.
#pragma once

#include "ui/app.h"

void CreateFigureList(App& app);
// Replaces the list's window procedure by ListProc, keeping the standard one to pass on to.
void SubclassFigureList(App& app);

// Brings the list box in step with the game state: its number of entries, its selection
// (gs.hand.selection) and the pictures of its items.
void SyncFigureList(App& app);

// The list's selection, -1 when none.
int FigureListSelection(const App& app);

// The player selected an entry: that figure is now in hand.
void OnFigureListSelectionChanged(App& app);

// Puts the figure list's selection to `entry` and acts as if the player had chosen it.
void SelectFigureListEntry(App& app, int entry);
