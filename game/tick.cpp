#include "game/game.h"
#include "game/game_clock.h"

void CGame::Tick() {
    const std::int64_t now = GameClock::Now();
    if (now < nextStepTime) {
        return;
    }
    if (over) {
        return;
    }
    nextStepTime = now + kStepMs;
    const std::int64_t elapsed = lastStepTime != 0 ? now - lastStepTime : 0;
    lastStepTime = now;

    // A contact here may end the game; the step still runs to its end.
    MoveFalling(fallSpeed, elapsed);

    if (spawnInterval <= 0 || now < nextSpawnTime) {
        return;
    }
    if (pending != nullptr) {
        CGem* dropped = pending;
        pending = nullptr;
        falling.Append(dropped);
        if (observer != nullptr) {
            observer->OnDrop(*dropped);
        }
    }
    SpawnGem();
    nextSpawnTime = now + spawnInterval;
}

void CGame::Pause() {
    if (over || paused) {
        return;
    }
    GameClock::Freeze();
    paused = true;
}

void CGame::Resume() {
    if (over || !paused) {
        return;
    }
    GameClock::Thaw();
    paused = false;
    started = true;
}

void CGame::EndGame() {
    const bool wasOver = over;
    over = true;
    paused = true;
    GameClock::Freeze();
    if (!wasOver && observer != nullptr) {
        observer->OnOver();
    }
}
