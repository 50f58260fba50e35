#pragma once

#include <cstdint>
#include <string>

// The system's simple sound player (sndPlaySound): one sound at a time for the whole program,
// a new one replacing the one that plays. Flags are the SND_ values the caller chose.
class TSoundPlayer {
 public:
  virtual ~TSoundPlayer() = default;

  // Plays a sound file; true when the system accepted it (with SND_ASYNC: playback started,
  // without: playback finished).
  virtual bool PlayFile(const std::string& File, std::uint32_t Flags) = 0;
  // Plays a resource of the program's own module from memory; false when the resource is
  // missing or cannot be loaded.
  virtual bool PlayResource(const std::string& Name, const std::string& Type,
                            std::uint32_t Flags) = 0;
  // The call with no sound: stops what the program plays.
  virtual bool PlayNothing(std::uint32_t Flags) = 0;
};
