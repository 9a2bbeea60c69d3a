#pragma once
// What a screen reader learns of the game view: the view is the "Game board"
// (named with the banners it shows, if any: "Game board, PAUSED"), with two
// parts, the score panel ("Score N") and the bomb box ("Bombs N"), read from
// the current game.

#include <QObject>
#include <QString>
#include <cstdint>

class CTorvaneView;

// The parts of the board, as its accessible children in this order.
enum BoardPart : int { kScorePart = 0, kBombsPart = 1, kBoardParts = 2 };

// Gives the view its accessible interface, and tells screen readers
// when the score, the bombs or the banner change.
class CBoardAccessibility : public QObject {
    Q_OBJECT

  public:
    explicit CBoardAccessibility(CTorvaneView* view);

  private:
    void Announce();

    struct Shown {
        std::uint32_t score = 0;
        std::int32_t bombs = 0;
        QString name;
        bool operator==(const Shown&) const = default;
    };
    static Shown Read(const CTorvaneView& view);

    CTorvaneView* view_;
    Shown last_;
};
