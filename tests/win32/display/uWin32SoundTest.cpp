// Sound playback and the master volume for real, under Wine, in two set-ups that CTest chooses
// through the sound library's configuration: no audio device at all, and a null device that
// takes sound and mute requests without anything reaching the machine's speakers. Neither ever
// touches the host's own mixer.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "actions/uMasterVolume.h"
#include "actions/uSound.h"
#include "actions/uWindowsVersion.h"
#include "platform/win32/uWin32AudioVolume.h"
#include "platform/win32/uWin32SoundPlayer.h"
#include "platform/win32/uWin32SystemVersion.h"
#include "support/uTempFolder.h"

namespace {

// A short, valid PCM WAV file: a tenth of a second of silence.
std::string WriteShortWav(const TTempFolder& Folder, const std::string& Name) {
  const std::uint32_t Rate = 8000, Samples = 800;
  std::string Bytes = "RIFF";
  auto Put32 = [&](std::uint32_t V) {
    for (int I = 0; I < 4; ++I)
      Bytes += static_cast<char>(V >> (8 * I) & 0xFF);
  };
  auto Put16 = [&](std::uint16_t V) {
    Bytes += static_cast<char>(V & 0xFF);
    Bytes += static_cast<char>(V >> 8);
  };
  Put32(36 + Samples * 2);
  Bytes += "WAVEfmt ";
  Put32(16);
  Put16(1);
  Put16(1);
  Put32(Rate);
  Put32(Rate * 2);
  Put16(2);
  Put16(16);
  Bytes += "data";
  Put32(Samples * 2);
  Bytes.append(Samples * 2, '\0');
  const std::string File = Folder.Text(Name);
  WriteBytes(File, Bytes);
  return File;
}

// --- Without any audio device ------------------------------------------------------------------

TEST(NoDeviceSoundTest, PlaybackAndMuteFailQuietly) {
  TTempFolder Folder;
  const std::string Wav = WriteShortWav(Folder, "sïlence.wav");
  TWin32SoundPlayer Player;
  EXPECT_FALSE(PlaySoundFile(Player, Wav, true));
  EXPECT_FALSE(PlaySoundResource(Player, "Alarm", "WAVE", true, false));
  // Without waiting the call only hands the sound to the player's thread, which finds out
  // later that there is nothing to play it on.
  EXPECT_TRUE(PlaySoundFile(Player, Wav, false));
  EXPECT_TRUE(PlaySoundResource(Player, "Alarm", "WAVE", false, true));
  EXPECT_TRUE(StopSound(Player));

  TWin32AudioVolume Volume;
  TWin32SystemVersion Version;
  EXPECT_FALSE(SetMasterMute(Version, Volume, true));
  EXPECT_FALSE(SetEndpointMute(Volume, true));
  EXPECT_EQ(Volume.MixerDeviceCount(), 0u);
  EXPECT_FALSE(SetMixerMute(Volume, true));
}

// --- With the null device ---------------------------------------------------------------------

TEST(NullDeviceSoundTest, PlaysFilesWaitingOrNotAndStops) {
  TTempFolder Folder;
  // Wine's sound files open through the ANSI code page, so the name stays inside it.
  const std::string Wav = WriteShortWav(Folder, "sïlence.wav");
  TWin32SoundPlayer Player;
  EXPECT_TRUE(PlaySoundFile(Player, Wav, true));
  EXPECT_TRUE(PlaySoundFile(Player, Wav, false));
  EXPECT_TRUE(StopSound(Player));
  // No file of that name: with SND_NODEFAULT nothing plays and the call says so.
  EXPECT_FALSE(PlaySoundFile(Player, Folder.Text("missing.wav"), true));
}

TEST(NullDeviceSoundTest, PlaysTheAlarmResourceInALoopUntilStopped) {
  TWin32SoundPlayer Player;
  EXPECT_TRUE(PlaySoundResource(Player, "Alarm", "WAVE", false, true));
  EXPECT_TRUE(StopSound(Player));
  EXPECT_TRUE(PlaySoundResource(Player, "alarm", "wave", false, false)) << "names in any case";
  EXPECT_TRUE(StopSound(Player));
  EXPECT_FALSE(PlaySoundResource(Player, "NoSuchSound", "WAVE", false, false));
  EXPECT_FALSE(PlaySoundResource(Player, "Alarm", "NOSUCHTYPE", false, false));
}

TEST(NullDeviceSoundTest, MuteAndUnmuteTheEndpointAlsoWhenAlreadyInThatState) {
  TWin32AudioVolume Volume;
  TWin32SystemVersion Version;
  ASSERT_TRUE(IsWindowsVistaOrLater(Version));
  EXPECT_TRUE(SetMasterMute(Version, Volume, true));
  EXPECT_TRUE(SetMasterMute(Version, Volume, true)) << "muting a muted output succeeds";
  EXPECT_TRUE(SetMasterMute(Version, Volume, false));
  EXPECT_TRUE(SetMasterMute(Version, Volume, false));
}

TEST(NullDeviceSoundTest, TheLegacyMixerIsOnlyLookedAt) {
  // Setting a mixer control would reach a real sound card where there is one, so only the
  // read-only steps run here: open the first device (when one exists) and find its mute.
  TWin32AudioVolume Volume;
  const std::uint32_t Devices = Volume.MixerDeviceCount();
  auto Mixer = Volume.OpenMixer(0, true);
  EXPECT_EQ(Mixer != nullptr, Devices > 0);
  if (Mixer && Mixer->DestinationCount() > 0) {
    const auto Line = Mixer->DestinationLineId(0);
    EXPECT_TRUE(Line.has_value());
  }
}

}  // namespace
