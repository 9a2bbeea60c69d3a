#include <algorithm>

#include "game/game.h"

// Cells outside -40..40 are never read or written: such a cell reads as taken
// and unmarked, and writes to it are dropped.

CGem* CGame::GemAt(Cell c) const {
    return CellInRange(c) ? cellGem[CellIndex(c)] : nullptr;
}

void CGame::SetGemAt(Cell c, CGem* gem) {
    if (CellInRange(c)) {
        cellGem[CellIndex(c)] = gem;
    }
}

void CGame::ClearMarks(std::uint8_t mask) {
    const auto keep = static_cast<std::uint8_t>(~mask);
    for (auto& flags : cellFlags) {
        flags &= keep;
    }
}

void CGame::SetMark(Cell c, std::uint8_t mask) {
    if (CellInRange(c)) {
        cellFlags[CellIndex(c)] |= mask;
    }
}

bool CGame::HasMark(Cell c, std::uint8_t mask) const {
    return CellInRange(c) && (cellFlags[CellIndex(c)] & mask) != 0;
}

unsigned CGame::CountMarked(std::uint8_t mask) const {
    return static_cast<unsigned>(std::count_if(cellFlags.begin(), cellFlags.end(),
                                               [mask](std::uint8_t f) { return (f & mask) != 0; }));
}

void CGame::ClearLattice() {
    cellGem.fill(nullptr);
}

void CGame::PlaceGem(CGem* gem, Cell c) {
    gem->cellA = c.a;
    gem->cellB = c.b;
    const CellPoint centreOfCell = CellCentre(c);
    gem->x = centreOfCell.x;
    gem->y = centreOfCell.y;
    gem->orientation = 0.0;
    gem->screenAngle = CGem::kNoAngle;
    ++placements_;
    SetGemAt(c, gem);
}

void CGame::DiscardGem(CGem* gem) {
    const Cell c{gem->cellA, gem->cellB};
    if (!(c == NoCell) && CellInRange(c) && GemAt(c) == gem) {
        SetGemAt(c, nullptr);
    }
    delete gem;
}
