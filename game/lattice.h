#pragma once
// The hex lattice of stuck gems around the central gem: cells, their centres
// in the wheel frame, neighbour orders and the mark bits of the walks.

#include <array>
#include <cstdint>

struct Cell {
    std::int32_t a;
    std::int32_t b;
    bool operator==(const Cell&) const = default;
};

inline constexpr std::int32_t kCellMin = -40;
inline constexpr std::int32_t kCellMax = 40;
inline constexpr int kCellSpan = 81;
inline constexpr int kCellCount = kCellSpan * kCellSpan;
inline constexpr Cell NoCell{40, 40};

inline constexpr std::uint8_t ReachedMark = 1;
inline constexpr std::uint8_t ChainMark = 2;

// Walk order: chain marking, the encirclement fill and a bomb's victims.
inline constexpr std::array<Cell, 6> NeighbourOffsets{
    {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, -1}, {-1, 1}}};
// By angle, d0..d5 at about 0, 60, ..., 300 degrees.
inline constexpr std::array<Cell, 6> Directions{
    {{1, 0}, {0, 1}, {-1, 1}, {-1, 0}, {0, -1}, {1, -1}}};

// A rim cell: its centre lies 310 pixels or more from the wheel centre.
inline constexpr double kRimSquared = 96100.0;
// Contact: two centres closer than 21 pixels.
inline constexpr double kContactSquared = 441.0;
// A gem that sticks this far out (296 pixels) ends the game.
inline constexpr double kOverflowSquared = 87616.0;

inline Cell operator+(Cell c, Cell o) {
    return {c.a + o.a, c.b + o.b};
}

inline bool CellInRange(Cell c) {
    return c.a >= kCellMin && c.a <= kCellMax && c.b >= kCellMin && c.b <= kCellMax;
}

inline int CellIndex(Cell c) {
    return (c.a + 40) * kCellSpan + (c.b + 40);
}

struct CellPoint {
    double x;
    double y;
};

inline CellPoint CellCentre(Cell c) {
    return {static_cast<double>(26 * c.a + 13 * c.b), static_cast<double>(22 * c.b)};
}
