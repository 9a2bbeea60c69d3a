#pragma once
// Gamepads through SDL's game controller API: every pad SDL knows (its own
// mappings and those of SDL_GAMECONTROLLERCONFIG), plugged in or pulled out
// while the game runs. Read from a timer on the window's thread, so nothing
// of SDL reaches further than this class; only SDL's game controller part
// runs (no SDL window, no video, none of its signal handlers). Where SDL
// cannot start, nothing happens and nothing is said.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <map>

#include "shell/pad/pad_translator.h"

class IPadActions;
struct _SDL_GameController;

class CPadReader : public QObject {
    Q_OBJECT

  public:
    explicit CPadReader(IPadActions& actions, QObject* parent = nullptr);
    ~CPadReader() override;

    bool Started() const { return started_; }
    int PadCount() const { return static_cast<int>(pads_.size()); }
    // The timer's interval now.
    int PollInterval() const { return timer_.interval(); }

    // Reads every pad once and does what they ask; the timer calls it, on
    // the game clock's real time.
    void Poll();
    // A game runs: a pad steering it is read at the screen's pace.
    void SetGameRunning(bool running);
    // A pulse on every pad that can rumble, of this strength (0 to 1).
    void Rumble(double strength, std::uint32_t ms);

  signals:
    void Connected(const QString& name);
    void Disconnected();

  private:
    PadSnapshot Read();
    void Open(int deviceIndex);
    void Close(std::int32_t instance);
    void Pace();

    IPadActions& actions_;
    CPadTranslator translator_;
    QTimer timer_;
    bool started_ = false;
    bool gameRunning_ = false;
    std::map<std::int32_t, _SDL_GameController*> pads_;
};
