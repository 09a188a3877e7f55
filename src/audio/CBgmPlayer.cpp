#include "audio/CBgmPlayer.h"

#include <algorithm>

#include "audio/Attenuation.h"
#include "audio/AudioBackend.h"
#include "util/NativePath.h"

CBgmPlayer::CBgmPlayer(AudioBackend& output) : output_(output) {}

bool CBgmPlayer::Load(const std::string& path) {
  loaded_ = output_.LoadMusic(NativePath(path));
  if (!loaded_) return false;
  SetVolume(1.0f);
  SetBalance(0.0f);
  return true;
}

void CBgmPlayer::Play() {
  if (loaded_) output_.PlayMusic();
}

void CBgmPlayer::Stop() {
  if (!loaded_) return;
  output_.StopMusic();
  output_.SetMusicPosition(0.0);
}

void CBgmPlayer::SetVolume(float volume) {
  if (loaded_) output_.SetMusicGain(AttenuationGain(MusicAttenuation(volume)));
}

void CBgmPlayer::SetBalance(float balance) {
  if (!loaded_) return;
  const int attenuation = BalanceAttenuation(balance);
  output_.SetMusicBalance(AttenuationGain(-std::max(attenuation, 0)),
                          AttenuationGain(std::min(attenuation, 0)));
}

void CBgmPlayer::SetPosition(float seconds) {
  // A position before the start (or no number at all) is the start.
  if (loaded_) output_.SetMusicPosition(seconds > 0.0f ? seconds : 0.0);
}

bool CBgmPlayer::IsFinished() const { return !loaded_ || output_.MusicEnded(); }

void CBgmPlayer::RestartIfFinished() {
  if (!IsFinished()) return;
  SetPosition(0.0f);
  Play();
}
