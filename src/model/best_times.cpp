// The best time of each solved puzzle.
#include "model/best_times.h"

#include <algorithm>
#include <limits>

namespace {

BestTime* Find(std::vector<BestTime>& times, const std::string& folder, const std::string& file) {
    auto it = std::find_if(times.begin(), times.end(),
                           [&](const BestTime& t) { return t.folder == folder && t.file == file; });
    return it == times.end() ? nullptr : &*it;
}

} // namespace

std::optional<int32_t> BestTimeOf(const Settings& settings, const std::string& folder,
                                  const std::string& file) {
    for (const BestTime& t : settings.bestTimes)
        if (t.folder == folder && t.file == file) return t.seconds;
    return std::nullopt;
}

WinTime RecordWinTime(GameState& gs, int64_t elapsedMs) {
    WinTime win;
    win.seconds = static_cast<int32_t>(
        std::clamp<int64_t>(elapsedMs / 1000, 0, std::numeric_limits<int32_t>::max()));
    win.hints = gs.hints.used;
    if (!PlaysCurrentPuzzle(gs)) return win;
    Settings& s = gs.settings;
    BestTime* best = Find(s.bestTimes, s.lastFolder, s.lastFile);
    if (best != nullptr) win.previousBest = best->seconds;
    if (win.hints > 0) return win;
    if (best != nullptr) {
        if (win.seconds < best->seconds) {
            best->seconds = win.seconds;
            win.newBest = true;
        }
    } else if (s.bestTimes.size() < static_cast<std::size_t>(kMaxBestTimes)) {
        s.bestTimes.push_back({s.lastFolder, s.lastFile, win.seconds});
        win.newBest = true;
    }
    return win;
}
