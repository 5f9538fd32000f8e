// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound plugin: the program's sounds played with Qt Multimedia.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <memory>
#include <unordered_map>

#include "platform/SoundOutput.h"

namespace {

class QtSoundOutput : public SoundOutput {
public:
    void add(const QString& name, const QUrl& source) override {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(source);
        effects[name] = std::move(effect);
    }

    void play(const QString& name) override {
        if (auto it = effects.find(name); it != effects.end()) it->second->play();
    }

private:
    std::unordered_map<QString, std::unique_ptr<QSoundEffect>> effects;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundOutput* TerravikaMakeSoundOutput() {
    if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
    return new QtSoundOutput;
}
