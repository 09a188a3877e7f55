#pragma once
// The background music player: one piece at a time, loaded from a MIDI file,
// looped by the session's per-step check (RestartIfFinished).

#include <string>

class AudioBackend;

class CBgmPlayer {
 public:
  explicit CBgmPlayer(AudioBackend& output);

  // Releases the previous piece, then loads the file (game path, '\'
  // separators) at full volume and centred, stopped. False when it cannot be
  // played: the player then stays silent.
  bool Load(const std::string& path);
  void Play();
  // Stops and rewinds; a stopped piece does not count as finished.
  void Stop();
  // Volume 0.0-1.0 on the music curve; only while a piece is loaded.
  void SetVolume(float volume);
  // Balance -1.0 (left) .. 1.0 (right); only while a piece is loaded.
  void SetBalance(float balance);
  void SetPosition(float seconds);
  // True when nothing is loaded or the piece has run to its end.
  bool IsFinished() const;
  // The session's check after every logic step: music always loops.
  void RestartIfFinished();

 private:
  AudioBackend& output_;
  bool loaded_ = false;
};
