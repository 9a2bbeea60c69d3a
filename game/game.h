#pragma once
// The state of one game and every rule that moves it. A game is never reset in
// place: a new game is a new object.

#include <array>
#include <cstdint>

#include "game/contact_reach.h"
#include "game/game_events.h"
#include "game/gem.h"
#include "game/lattice.h"
#include "game/polar.h"
#include "game/snapshot.h"

// Fall speeds in pixels per millisecond of game time, by difficulty.
inline constexpr double kEasySpeed = 0.02;
inline constexpr double kMediumSpeed = 1.0 / 35.0;
inline constexpr double kHardSpeed = 13.0 / 280.0;

inline constexpr double kStartRadius = 310.0;
inline constexpr int kMaxBombs = 5;
inline constexpr std::uint32_t kBombScoreStep = 4000;
inline constexpr std::uint32_t kStickPoints = 10;
inline constexpr std::uint32_t kRingPoints = 75;
inline constexpr std::int64_t kStepMs = 100;
// How long an exploding gem shows its explosion, in game time.
inline constexpr std::int64_t kExplosionMs = 1200;

struct ClientRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// The bomb box in client pixels, the same whatever the window size.
inline constexpr ClientRect BombBoxRect{8, 5, 182, 49};
inline constexpr bool InBombBox(std::int32_t x, std::int32_t y) {
    return x >= BombBoxRect.left && x < BombBoxRect.right && y >= BombBoxRect.top &&
           y < BombBoxRect.bottom;
}

class CGame {
  public:
    explicit CGame(const CGameSnapshot* snapshot = nullptr);
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // State and clock.
    void Tick();
    void Pause();
    void Resume();
    void EndGame();
    void SetDifficulty(std::uint32_t d);
    bool IsQuiet() const { return quiet; }
    void SetQuiet(bool q) { quiet = q; }

    // Falling gems.
    void SpawnGem();
    void MoveFalling(double speed, std::int64_t elapsed);
    bool MoveGem(CGem* gem, double speed, std::int64_t elapsed);
    void RetestContacts();
    Point2 ScreenPosition(const CGem* gem) const;

    // Drawing between steps; these read the game and change nothing.
    // How far a falling gem can move toward the centre before the contact
    // test would take it (0 when it touches already).
    double ContactTravel(const CGem& gem) const;
    // Where the next step would put a falling gem if it ran at game time
    // `now`; when the step would take it there, the point on its way where
    // it touches first. Where it stands once the game is over.
    Point2 GlidePosition(const CGem& gem, std::int64_t now) const;

    // Scoring and sound.
    void AddScore(std::uint32_t points);
    void PlayCue(int cue, unsigned extraFlags) const;
    // The sound switches as the settings have them now: a game played from
    // a script of another's settings sounds as the player has set sound.
    void ReadSoundSwitches();

    // Lattice.
    CGem* GemAt(Cell c) const;
    void SetGemAt(Cell c, CGem* gem);
    void ClearMarks(std::uint8_t mask);
    void SetMark(Cell c, std::uint8_t mask);
    bool HasMark(Cell c, std::uint8_t mask) const;
    unsigned CountMarked(std::uint8_t mask) const;
    void ClearLattice();
    void PlaceGem(CGem* gem, Cell c);
    void DiscardGem(CGem* gem);
    void ClearGems();

    // Snapping in.
    bool TestContact(CGem* gem, double x, double y);
    // The lattice gem that a falling gem at (x, y) touches, first in list
    // order, or null.
    const CGem* TouchedGem(double x, double y) const;
    // The stuck gems that may be within contact distance of (x, y); all
    // others are surely too far.
    ContactCandidates ContactCandidatesAt(double x, double y) const;
    void SnapIn(CGem* gem, CGem* touched);
    Cell FindFreeCell(const CGem* gem, CGem* touched) const;

    // Rings.
    void CheckRing(CGem* gem);
    void MarkChain(CGem* gem, std::int32_t colour);
    bool EncirclesCentre();
    bool Escapes(Cell c);
    void ExplodeMarked();
    void StartExplosion(CGem* gem);
    // The board shows a gem whose explosion is over once more, bare, and
    // only then does the gem leave: the gems whose explosion was over at
    // game time `shownAt`, the instant of the paint that showed them, go.
    void RetireExplosions(std::int64_t shownAt);

    // Bombs.
    CGem* DropBomb();
    CGem* BombBoxHit(std::int32_t x, std::int32_t y, const ClientRect& client);
    void BombHit(CGem* bomb, CGem* touched);

    std::uint32_t difficulty = 1;
    bool over = false;
    bool paused = true;
    bool quiet = false;
    bool started = false;
    CGemList falling;
    CGemList lattice;
    CGemList exploding;
    CGem* centre = nullptr;
    double wheelAngle = 0.0;
    double fallSpeed = kMediumSpeed;
    std::int64_t spawnInterval = 3400;
    std::int64_t nextStepTime = 0;
    std::int64_t nextSpawnTime = 0;
    std::int64_t lastStepTime = 0;
    CGem* pending = nullptr;
    double pendingAngle = 0.0;
    std::uint32_t score = 0;
    std::int32_t bombs = 0;
    std::uint32_t nextBombScore = kBombScoreStep;
    bool snapSoundOn = true;
    bool explodeSoundOn = true;
    std::array<std::uint8_t, kCellCount> cellFlags{};
    std::array<CGem*, kCellCount> cellGem{};

    // Not part of the game's state: told what happens, if set.
    IGameObserver* observer = nullptr;

  private:
    // What the contact test knows of the cluster, measured again whenever a
    // gem has joined the lattice or been put on a cell since; gems that
    // leave the lattice only make it generous.
    struct Reach {
        std::uint64_t appends = 0;
        std::uint64_t placements = ~std::uint64_t{0};
        // The largest squared distance from the centre of a stuck gem.
        double radius2 = 0.0;
        // A point farther out than this, squared, touches none of them.
        double beyond2 = 0.0;
        // Every stuck gem sits on the centre of its cell, which holds it, and
        // the cells hold no other gems.
        bool onCells = false;
        // The wheel angle last turned through, with its cosine and sine.
        double angle = 0.0;
        double cos = 1.0;
        double sin = 0.0;
    };
    void MeasureReach() const;

    std::uint64_t placements_ = 0;
    mutable Reach reach_;
};
