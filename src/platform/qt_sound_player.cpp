#include "platform/qt_sound_player.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace plumex {

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {
  // The audio backend complains on the terminal when there is no sound
  // server; a machine without sound is no error of ours, so we stay quiet.
  const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  const bool audio = !QMediaDevices::audioOutputs().isEmpty();
  qInstallMessageHandler(previous);
  // Asking a missing audio system to load would only print warnings.
  if (!audio) return;
  for (const Sound sound : {Sound::KeyClick, Sound::CarriageReturn, Sound::ColumnBell}) {
    QFile file(ResourceOf(sound));
    // The effect plays PCM only; anything else would fail at every key.
    if (!file.open(QIODevice::ReadOnly) || !IsPcmWave(file.readAll().toStdString())) continue;
    auto* effect = new QSoundEffect(this);
    effect->setSource(QUrl(QStringLiteral("qrc") + ResourceOf(sound)));
    effects_[static_cast<std::size_t>(sound)] = effect;
  }
}

QString QtSoundPlayer::ResourceOf(Sound sound) {
  switch (sound) {
    case Sound::KeyClick: return QStringLiteral(":/sounds/typebut.wav");
    case Sound::CarriageReturn: return QStringLiteral(":/sounds/typeenter.wav");
    case Sound::ColumnBell: break;
  }
  return QStringLiteral(":/sounds/typeend.wav");
}

void QtSoundPlayer::Play(Sound sound) {
  QSoundEffect* wanted = effects_[static_cast<std::size_t>(sound)];
  if (wanted == nullptr) return;
  // A new sound cuts off the last, as a typewriter's would.
  for (QSoundEffect* effect : effects_)
    if (effect != nullptr && effect != wanted && effect->isPlaying()) effect->stop();
  wanted->play();
}

void QtSoundPlayer::Beep() { QApplication::beep(); }

}  // namespace plumex
