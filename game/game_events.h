#pragma once
// What happens in a game, for those who watch it: the headless runner prints
// these, tests and the robot player check them. The game plays the same with
// or without an observer.

#include <cstdint>

#include "game/lattice.h"

struct CGem;

class IGameObserver {
  public:
    virtual ~IGameObserver() = default;
    // The pending gem has entered the falling list at its start point.
    virtual void OnDrop(const CGem& gem) { (void)gem; }
    // A gem has taken its cell (its points are not added yet).
    virtual void OnSnap(const CGem& gem) { (void)gem; }
    // A gem touched the cluster but found no free cell and was discarded.
    virtual void OnLost(const CGem& gem) { (void)gem; }
    // An encircling chain of this many gems starts exploding.
    virtual void OnRing(unsigned gems) { (void)gems; }
    // A bomb struck; landing is NoCell when there was no free cell.
    virtual void OnBomb(Cell landing, unsigned destroyed) {
        (void)landing;
        (void)destroyed;
    }
    // A game that was not over has ended.
    virtual void OnOver() {}
};
