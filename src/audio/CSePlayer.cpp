#include "audio/CSePlayer.h"

#include "audio/Attenuation.h"
#include "audio/AudioBackend.h"
#include "audio/CSound.h"

CSePlayer::CSePlayer(AudioBackend& output) : output_(output) {}

void CSePlayer::Download(CSound& sound) { sound.Load(output_); }

void CSePlayer::Play(const CSound& sound) { sound.Play(); }

void CSePlayer::SetVolume(float volume) {
  output_.SetEffectGain(AttenuationGain(EffectAttenuation(volume)));
}
