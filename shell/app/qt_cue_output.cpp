#include "shell/app/qt_cue_output.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

CQtCueOutput::CQtCueOutput() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return;
    }
    const struct {
        int cue;
        const char* source;
    } cues[] = {{kSnapCue, "qrc:/torvane/sounds/snap.wav"},
                {kExplodeCue, "qrc:/torvane/sounds/explode.wav"}};
    for (const auto& cue : cues) {
        auto effect = std::make_unique<QSoundEffect>(device);
        // Loading is asynchronous; the source is never swapped afterwards.
        effect->setSource(QUrl(QString::fromLatin1(cue.source)));
        effects_[cue.cue] = std::move(effect);
    }
}

CQtCueOutput::~CQtCueOutput() = default;

void CQtCueOutput::Start(int cue) {
    const auto found = effects_.find(cue);
    if (found != effects_.end()) {
        found->second->play();
    }
}

void CQtCueOutput::StopAll() {
    for (auto& [cue, effect] : effects_) {
        effect->stop();
    }
}

CQtSoundPlayer::CQtSoundPlayer() : player_(output_, [this] { return clock_.elapsed(); }) {
    clock_.start();
}
