#include "game/game.h"
#include "game/game_random.h"

void CGame::SpawnGem() {
    const std::uint32_t k = GameRandom::Next() % 1000u;
    // The order of the two multiplications is part of the rules: it fixes
    // the last bit of every start angle.
    const double angle = static_cast<double>(k) * kTwoPi * 0.001;
    pendingAngle = angle;
    const Point2 start = FromPolar({kStartRadius, angle});
    const std::int32_t colour = static_cast<std::int32_t>(GameRandom::Next() % 3u);

    double orientation = angle + kHalfPi;
    while (orientation < 0) {
        orientation += kTwoPi;
    }
    if (orientation > kTwoPi) {
        orientation -= kTwoPi;
    }

    CGem* gem = new CGem;
    gem->x = start.x;
    gem->y = start.y;
    gem->colour = colour;
    gem->orientation = orientation;
    delete pending;
    pending = gem;
}

void CGame::MoveFalling(double speed, std::int64_t elapsed) {
    falling.ForEach([&](CGem* gem) { MoveGem(gem, speed, elapsed); });
}

bool CGame::MoveGem(CGem* gem, double speed, std::int64_t elapsed) {
    const double travel = static_cast<double>(elapsed) * speed;
    Point2 moved;
    if (travel == 0.0 && gem->x == gem->stillFromX && gem->y == gem->stillFromY) {
        // The same round trip through the polar form from the same place
        // (+0 and -0 read the same there) comes out the same, to the bit.
        moved = {gem->stillToX, gem->stillToY};
    } else {
        const Polar p = ToPolar(gem->x, gem->y);
        moved = FromPolar({p.r - travel, p.theta});
        if (travel == 0.0) {
            gem->stillFromX = gem->x;
            gem->stillFromY = gem->y;
            gem->stillToX = moved.x;
            gem->stillToY = moved.y;
        }
    }
    // The contact test reads the gem's old position to tell where it came from.
    if (TestContact(gem, moved.x, moved.y)) {
        return true;
    }
    gem->x = moved.x;
    gem->y = moved.y;
    return false;
}

void CGame::RetestContacts() {
    MoveFalling(0.0, 0);
}

Point2 CGame::ScreenPosition(const CGem* gem) const {
    // A lattice gem never moves in the wheel frame, so its screen position
    // depends on the wheel angle alone and can be kept between steps.
    if (gem->screenAngle == wheelAngle) {
        return {gem->screenX, gem->screenY};
    }
    const Point2 s = FromPolar(RotatePolar(ToPolar(gem->x, gem->y), wheelAngle));
    gem->screenX = s.x;
    gem->screenY = s.y;
    gem->screenAngle = wheelAngle;
    return s;
}
