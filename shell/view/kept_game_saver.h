#pragma once
// Writes the file of the game kept to go on with, on a thread of its own, so
// that neither the rules nor the paint ever wait for a disk. Requests are
// carried out in the order they are made; a save still waiting when a newer
// one comes is overtaken by it (its lines are compressed all the same, and
// the newer file holds them). Every file is written whole or not at all.

#include <QString>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class CGrowingReplay;

class CKeptGameSaver {
  public:
    CKeptGameSaver();
    // Carries out what was asked first.
    ~CKeptGameSaver();
    CKeptGameSaver(const CKeptGameSaver&) = delete;
    CKeptGameSaver& operator=(const CKeptGameSaver&) = delete;

    // The lines of another recording follow.
    void Begin();
    // More lines of the recording, and the file to write now with `header`
    // in front of them all.
    void Save(std::string lines, std::string header, const QString& path);
    // The game ended: its file goes.
    void Remove(const QString& path);
    // The file holds the whole replay `text` of a game that has ended (whose
    // score waits for an answer).
    void SaveWhole(std::string text, const QString& path);
    // Until everything asked so far is done; then why the last file written
    // could not be, if it could not.
    std::optional<QString> Wait();

  private:
    struct Request {
        enum { Begin, Save, Remove, Whole } kind;
        std::string lines;
        std::string header;
        QString path;
    };
    void Ask(Request request);
    void Work();
    void Write(const Request& save);
    void WriteFile(const QString& path, const std::string& bytes);

    std::unique_ptr<CGrowingReplay> replay_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Request> requests_;
    bool busy_ = false;
    bool stopping_ = false;
    std::optional<QString> failure_;
    std::thread worker_;
};
