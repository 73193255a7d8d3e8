#pragma once
// The program's own sounds. Playing never waits and never fails aloud: a
// machine without sound simply stays silent.
#include <string_view>

namespace plumex {

enum class Sound { KeyClick, CarriageReturn, ColumnBell };

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Starts `sound`, cutting off the one still playing.
  virtual void Play(Sound sound) = 0;
  // The desktop's warning bell, for our own warnings only.
  virtual void Beep() = 0;
};

// Whether `bytes` is a RIFF WAVE file of uncompressed PCM with its data
// chunk whole: the only kind the player loads.
bool IsPcmWave(std::string_view bytes);

}  // namespace plumex
