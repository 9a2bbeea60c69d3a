#pragma once
// A prepared game position from which a game can be built (the tutorial's
// scenarios).

#include <cstdint>

struct CSnapshotGem {
    double x;
    double y;
    std::int32_t colour;
    std::int32_t cellA;
    std::int32_t cellB;
    double orientation;
};

struct CGameSnapshot {
    CSnapshotGem* falling;
    std::int32_t fallingCount;
    const CSnapshotGem* lattice;
    std::int32_t latticeCount;
    std::int32_t bombs;
    std::int64_t spawnInterval;
};
