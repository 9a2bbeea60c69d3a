#pragma once
// The settings store as the window runs it. What the store has to tell the
// player opens in a message box from the event loop, never from inside the
// store's read or write. The window waits for another copy's lock only
// briefly, so a change may be kept unsaved: it is tried again from a timer
// until it lands, and once more when the game closes, and then the player is
// told what was not saved.

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class CSettingsFile;

class CSettingsMessages : public QObject {
    Q_OBJECT

  public:
    // The longest the window waits for the lock, for a save or a read that
    // sets a damaged file aside.
    static constexpr int kLockWaitMs = 200;

    explicit CSettingsMessages(CSettingsFile& store);
    ~CSettingsMessages() override;
    CSettingsMessages(const CSettingsMessages&) = delete;
    CSettingsMessages& operator=(const CSettingsMessages&) = delete;

    // The last try, when the windows have closed; what was still not saved,
    // in words for the player, if anything.
    std::optional<QString> SaveBeforeQuit();

  private:
    void Retry();

    CSettingsFile& store_;
    QTimer retry_;
};
