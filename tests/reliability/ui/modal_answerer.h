#pragma once
// Answers every modal dialog the program opens, the way a patient player
// would, so that long runs through the real window never wait on a human:
// "play another game?" gets Yes while more games are wanted, a new high
// score gets a name, every other dialog is accepted or closed.

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <string>

class CModalAnswerer : public QObject {
  public:
    CModalAnswerer();

    // The answer to "Would you like to play another game?".
    bool playAgain = true;

    // How many dialogs of each class were answered.
    const std::map<std::string, int>& Answered() const { return answered_; }
    int Answered(const std::string& className) const;

  private:
    void Poll();

    QTimer timer_;
    std::map<std::string, int> answered_;
    int names_ = 0;
    // A dialog already being worked through; polls leave it alone.
    QPointer<QDialog> busy_;
};
