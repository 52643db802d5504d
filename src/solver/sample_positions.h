// Seeded positions for measuring and checking the analysis: random fields and laid figures.
#pragma once

#include <random>

#include "model/game_state.h"

// Makes the field a random connected shape of 60 open cells inside w x h, grown from the
// centre; every other cell is blocked.
void MakeRandomShape(GameState& gs, std::mt19937& rng, int w, int h);

// Lays up to `count` figures drawn at random where they fit, as a player might, trying
// `attempts` spots for each; each laid figure is one history step.
void LayRandomFigures(GameState& gs, std::mt19937& rng, int count, int attempts);
