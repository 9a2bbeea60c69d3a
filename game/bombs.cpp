#include "game/game.h"
#include "game/sound.h"

CGem* CGame::DropBomb() {
    if (bombs == 0) {
        return nullptr;
    }
    --bombs;
    CGem* bomb = new CGem;
    bomb->x = 0.0;
    bomb->y = -kStartRadius;
    bomb->colour = kBombColour;
    falling.Append(bomb);
    return bomb;
}

CGem* CGame::BombBoxHit(std::int32_t x, std::int32_t y, const ClientRect& client) {
    (void)client;  // the bomb box is fixed, whatever the window size
    return InBombBox(x, y) ? DropBomb() : nullptr;
}

void CGame::BombHit(CGem* bomb, CGem* touched) {
    PlayCue(kExplodeCue, 0);
    const Cell landing = FindFreeCell(bomb, touched);
    DiscardGem(bomb);
    const int before = observer != nullptr ? exploding.Count() : 0;
    if (landing == NoCell) {
        // Nowhere to land: the bomb takes the gem it struck, with its chain.
        ClearMarks(ChainMark);
        MarkChain(touched, touched->colour);
        ExplodeMarked();
    } else {
        for (const Cell offset : NeighbourOffsets) {
            if (CGem* n = GemAt(landing + offset)) {
                ClearMarks(ChainMark);
                MarkChain(n, n->colour);
                ExplodeMarked();
            }
        }
    }
    if (observer != nullptr) {
        observer->OnBomb(landing, static_cast<unsigned>(exploding.Count() - before));
    }
}
