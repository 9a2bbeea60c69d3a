#pragma once
// One gem and the owning list that holds gems.

#include <cstdint>
#include <limits>

struct CGem {
    CGem* next = nullptr;
    CGem* prev = nullptr;
    double x = 0.0;
    double y = 0.0;
    std::int32_t colour = 0;
    std::int32_t cellA = 40;
    std::int32_t cellB = 40;
    double orientation = 0.0;
    std::uint32_t exploding = 0;
    std::int64_t explodedAt = 0;

    // Screen position cached for the wheel angle it was computed at; the
    // contact test asks for it once per falling gem and step. A cache, not
    // the gem's state: reading a gem's place may fill it.
    mutable double screenX = 0.0;
    mutable double screenY = 0.0;
    mutable double screenAngle = kNoAngle;
    static constexpr double kNoAngle = std::numeric_limits<double>::quiet_NaN();

    // Where a falling gem last stood before a move by nothing, and where the
    // move put it: every turn of the wheel moves each falling gem by nothing
    // through the polar form, which rounds, so a gem that the round trip
    // leaves where it is needs no trigonometry again until it really moves.
    double stillFromX = std::numeric_limits<double>::quiet_NaN();
    double stillFromY = std::numeric_limits<double>::quiet_NaN();
    double stillToX = 0.0;
    double stillToY = 0.0;
};

// Gem colours.
inline constexpr std::int32_t kCentreColour = 3;
inline constexpr std::int32_t kBombColour = 4;

// An owning doubly linked list with one sentinel node. Unlinking needs only
// the gem. Loops that may unlink the visited gem read its successor first.
class CGemList {
  public:
    CGemList() { sentinel_.next = sentinel_.prev = &sentinel_; }
    ~CGemList() { DeleteAll(); }
    CGemList(const CGemList&) = delete;
    CGemList& operator=(const CGemList&) = delete;

    CGem* Head() { return sentinel_.next; }
    const CGem* Head() const { return sentinel_.next; }
    CGem* Tail() { return sentinel_.prev; }
    // The position behind the last gem; a gem is real while it is not End().
    const CGem* End() const { return &sentinel_; }
    bool IsEmpty() const { return sentinel_.next == &sentinel_; }

    void Append(CGem* gem) {
        ++appends_;
        gem->next = &sentinel_;
        gem->prev = sentinel_.prev;
        sentinel_.prev->next = gem;
        sentinel_.prev = gem;
    }

    static void Unlink(CGem* gem) {
        gem->prev->next = gem->next;
        gem->next->prev = gem->prev;
        gem->next = gem->prev = nullptr;
    }

    bool Contains(const CGem* gem) const {
        for (const CGem* g = Head(); g != End(); g = g->next) {
            if (g == gem) {
                return true;
            }
        }
        return false;
    }

    // How many gems were ever appended: what was known of the list's gems
    // still holds while this stays the same and gems only leave.
    std::uint64_t Appends() const { return appends_; }

    int Count() const {
        int n = 0;
        for (const CGem* g = Head(); g != End(); g = g->next) {
            ++n;
        }
        return n;
    }

    // Visits every gem; the visitor may unlink or free the gem it is given.
    template <typename F>
    void ForEach(F&& visit) {
        for (CGem* g = Head(); g != End();) {
            CGem* following = g->next;
            visit(g);
            g = following;
        }
    }
    template <typename F>
    void ForEach(F&& visit) const {
        for (const CGem* g = Head(); g != End(); g = g->next) {
            visit(g);
        }
    }

  private:
    void DeleteAll() {
        while (!IsEmpty()) {
            CGem* g = Head();
            Unlink(g);
            delete g;
        }
    }

    CGem sentinel_;
    std::uint64_t appends_ = 0;
};
