#pragma once
// The sounds the program carries, played through the desktop's audio. Each
// is loaded once; without an audio output nothing is loaded and every sound
// is silence, with no message and no wait.
#include <QObject>
#include <array>

#include "platform/sound_player.h"

class QSoundEffect;

namespace plumex {

class QtSoundPlayer : public QObject, public SoundPlayer {
  Q_OBJECT

 public:
  explicit QtSoundPlayer(QObject* parent = nullptr);

  void Play(Sound sound) override;
  void Beep() override;

  // The resource each sound is played from.
  static QString ResourceOf(Sound sound);

 private:
  std::array<QSoundEffect*, 3> effects_{};  // by Sound; null where none plays
};

}  // namespace plumex
