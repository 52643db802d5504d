// Exact answer to "can these figures tile exactly these free cells?" on a field of at most 64
// free cells, each cell a bit of a 64-bit mask.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/types.h"

class TilingOracle {
  public:
    // Cells 0..n-1 (n <= 64) where neighbours[i] has a bit for each cell next to cell i.
    explicit TilingOracle(const std::vector<uint64_t>& neighbours);

    // Whether each group of free cells that touch holds a multiple of five cells; the
    // smallest group is stored in `smallest` when asked for.
    bool RegionsDivisibleByFive(uint64_t occupied, uint64_t* smallest = nullptr) const;

    // One way to lay `figure` (1..12): the cells it covers.
    void AddPiece(int figure, uint64_t cells);
    // Call once after the last AddPiece and before the first question.
    void Prepare();

    // Whether the free cells (those not in `occupied`) can be covered exactly, each once,
    // by one piece of each figure whose bit is set in `remaining`.
    bool Tileable(uint64_t occupied, uint32_t remaining);
    // The same with the free cell `cell` covered by one of the pieces `allowed` (each a piece
    // added, covering the cell). Asked again about the same cell with some of the pieces left
    // out, it builds on what it learnt before.
    bool TileableCovering(uint64_t occupied, uint32_t remaining, int cell,
                          std::vector<uint64_t> allowed);
    // Every cell of the field.
    uint64_t Cells() const { return all_; }
    // After Tileable answered true: the piece of figure f in the tiling it found.
    uint64_t FoundPiece(int f) const { return found_[static_cast<size_t>(f)]; }

  private:
    // The positions already found dead, in an open-addressing table that stops growing at a
    // fixed size (the search stays correct without them, only slower).
    struct Dead {
        uint64_t occupied;
        uint32_t remaining; // kEmpty marks a free slot
    };
    struct DeadTable {
        std::vector<Dead> slots;
        size_t count = 0;
        void Clear();
        bool Holds(uint64_t occupied, uint32_t remaining) const;
        void Add(uint64_t occupied, uint32_t remaining);
        size_t Slot(uint64_t occupied, uint32_t remaining) const;
    };

    bool Search(uint64_t occupied, uint32_t remaining);
    bool LaysCell(int cell, uint64_t occupied, uint32_t remaining);
    bool LaysFigure(int figure, uint64_t occupied, uint32_t remaining);
    bool Lays(int figure, uint64_t piece, uint64_t occupied, uint32_t remaining);
    int FewestChoicesCell(uint64_t occupied, uint32_t remaining, uint64_t among,
                          uint32_t& choices) const;
    int FewerPlacesFigure(uint64_t occupied, uint32_t remaining, uint32_t choices) const;
    bool CutsOffCells(uint64_t free, uint64_t piece) const;
    bool Allowed(uint64_t piece) const;
    void OrderFigures(uint64_t occupied);
    bool IsDead(uint64_t occupied, uint32_t remaining) const;
    void MarkDead(uint64_t occupied, uint32_t remaining);

    static constexpr uint32_t kEmpty = ~0u;
    static constexpr size_t kMaxDead = size_t{1} << 22;

    int cellCount_;
    std::vector<uint64_t> neighbours_;
    uint64_t all_;
    // The pieces covering each cell, grouped by figure: those of figure f on cell c are
    // masks_[start_[c][f] .. start_[c][f + 1]).
    std::vector<std::pair<int, uint64_t>> added_;
    std::vector<uint64_t> masks_;
    std::vector<std::array<uint32_t, kFigureCount + 2>> start_;
    // Every piece of each figure, in the order they came.
    std::array<std::vector<uint64_t>, kFigureCount + 1> byFigure_;
    // The figures in the order a cell's pieces are tried: those with the fewest places first.
    std::array<int, kFigureCount> order_{};
    DeadTable dead_;
    // Under TileableCovering: the cell (else -1) and its allowed pieces with their figures,
    // sorted. The positions found dead with the cell free are dead only for questions about
    // lastCovering_ that allow no more than the last one.
    int covering_ = -1;
    std::vector<std::pair<uint64_t, int>> allowed_;
    int lastCovering_ = -1;
    DeadTable coveringDead_;
    std::array<uint64_t, kFigureCount + 1> found_{};
};
