#include "script/event_printer.h"

#include <ostream>
#include <sstream>

#include "game/game_clock.h"
#include "script/json_writer.h"

namespace {

// Appended piece by piece: GCC 12 at -O3 sees a false overlap (-Wrestrict)
// in `"[" + std::to_string(...)`.
std::string CellJson(Cell c) {
    std::string json = "[";
    json += std::to_string(c.a);
    json += ',';
    json += std::to_string(c.b);
    json += ']';
    return json;
}

std::string BoolJson(bool b) {
    return b ? "true" : "false";
}

}  // namespace

void CEventPrinter::OnDrop(const CGem& gem) {
    out_ << "{\"ev\":\"drop\",\"t\":" << GameClock::Now() << ",\"colour\":" << gem.colour
         << ",\"x\":" << JsonNumber(gem.x) << ",\"y\":" << JsonNumber(gem.y) << "}\n";
}

void CEventPrinter::OnSnap(const CGem& gem) {
    out_ << "{\"ev\":\"snap\",\"t\":" << GameClock::Now() << ",\"colour\":" << gem.colour
         << ",\"cell\":" << CellJson({gem.cellA, gem.cellB}) << "}\n";
}

void CEventPrinter::OnLost(const CGem& gem) {
    out_ << "{\"ev\":\"lost\",\"t\":" << GameClock::Now() << ",\"colour\":" << gem.colour << "}\n";
}

void CEventPrinter::OnRing(unsigned gems) {
    out_ << "{\"ev\":\"ring\",\"t\":" << GameClock::Now() << ",\"gems\":" << gems << "}\n";
}

void CEventPrinter::OnBomb(Cell landing, unsigned destroyed) {
    out_ << "{\"ev\":\"bomb\",\"t\":" << GameClock::Now()
         << ",\"landing\":" << (landing == NoCell ? std::string("null") : CellJson(landing))
         << ",\"destroyed\":" << destroyed << "}\n";
}

void CEventPrinter::OnOver() {
    out_ << "{\"ev\":\"over\",\"t\":" << GameClock::Now() << "}\n";
}

std::string GameStateJson(const CGame& g) {
    std::ostringstream o;
    o << "{\"ev\":\"state\",\"t\":" << GameClock::Now() << ",\"score\":" << g.score
      << ",\"bombs\":" << g.bombs << ",\"nextBombScore\":" << g.nextBombScore
      << ",\"over\":" << BoolJson(g.over) << ",\"paused\":" << BoolJson(g.paused)
      << ",\"started\":" << BoolJson(g.started) << ",\"difficulty\":" << g.difficulty
      << ",\"wheelAngle\":" << JsonNumber(g.wheelAngle) << ",\"lattice\":[";
    const char* sep = "";
    g.lattice.ForEach([&](const CGem* gem) {
        o << sep << "[" << gem->cellA << "," << gem->cellB << "," << gem->colour << "]";
        sep = ",";
    });
    o << "],\"falling\":[";
    sep = "";
    g.falling.ForEach([&](const CGem* gem) {
        o << sep << "[" << JsonNumber(gem->x) << "," << JsonNumber(gem->y) << "," << gem->colour
          << "]";
        sep = ",";
    });
    o << "],\"exploding\":[";
    sep = "";
    g.exploding.ForEach([&](const CGem* gem) {
        o << sep << "[" << gem->cellA << "," << gem->cellB << "," << gem->colour << "]";
        sep = ",";
    });
    o << "],\"pending\":";
    if (g.pending != nullptr) {
        o << "[" << JsonNumber(g.pendingAngle) << "," << g.pending->colour << "]";
    } else {
        o << "null";
    }
    o << "}";
    return o.str();
}
