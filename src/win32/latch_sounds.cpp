#include <windows.h>

#include <cmath>
#include <cstdint>

#include "win32/shell.h"
#include "win32/system_library.h"

// The tones of option Sounds: small PCM files made in memory at first use, so nothing ships
// beside the exe, played by winmm loaded from the system folder when first asked for.
namespace modlatch::win32 {
namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;
constexpr int kHeaderBytes = 44;
constexpr int kLongestMilliseconds = 200;

// One part of a tone: a pitch gliding from `from` to `to` Hz, or silence when both are 0.
struct Glide {
  short from, to, milliseconds;
};
struct Tone {
  Glide glides[3];
  int count;
};
// By LatchSound: rising for a latch, two notes for a lock, falling for a release. The lengths
// differ, which tells the sounds apart in a trace of the audio calls.
constexpr Tone kTones[] = {
    {{{660, 1320, 70}}, 1},
    {{{880, 880, 60}, {0, 0, 30}, {1320, 1320, 80}}, 3},
    {{{1320, 660, 90}}, 1},
};

struct Wave {
  char bytes[kHeaderBytes + kRate * kLongestMilliseconds / 1000];
  bool made;
};

char* Put(char* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) *at++ = static_cast<char>((value >> (8 * i)) & 0xFF);
  return at;
}

char* PutText(char* at, const char* four) {
  for (int i = 0; i < 4; ++i) *at++ = four[i];
  return at;
}

// 8-bit mono samples, each glide faded in and out over 5 ms so that it starts and ends
// without a click; returns the end of the samples.
char* PutSamples(char* at, const Tone& tone) {
  for (int g = 0; g < tone.count; ++g) {
    const Glide& glide = tone.glides[g];
    const int count = kRate * glide.milliseconds / 1000;
    const int fade = kRate / 200;
    double phase = 0;
    for (int i = 0; i < count; ++i) {
      const double pitch = glide.from + static_cast<double>(glide.to - glide.from) * i / count;
      phase += 2 * kPi * pitch / kRate;
      const int edge = i < count - i ? i : count - i;
      const double envelope = edge < fade ? static_cast<double>(edge) / fade : 1.0;
      const double value = pitch > 0 ? 0.3 * envelope * std::sin(phase) : 0.0;
      *at++ = static_cast<char>(128 + static_cast<int>(value * 127));
    }
  }
  return at;
}

// A RIFF file of PCM samples, as PlaySound takes it from memory.
void MakeWave(Wave& wave, const Tone& tone) {
  char* const samples = wave.bytes + kHeaderBytes;
  const auto size = static_cast<std::uint32_t>(PutSamples(samples, tone) - samples);
  char* at = PutText(wave.bytes, "RIFF");
  at = Put(at, kHeaderBytes - 8 + size, 4);
  at = PutText(at, "WAVE");
  at = PutText(at, "fmt ");
  at = Put(at, 16, 4);
  at = Put(at, 1, 2);      // PCM
  at = Put(at, 1, 2);      // mono
  at = Put(at, kRate, 4);
  at = Put(at, kRate, 4);  // bytes a second
  at = Put(at, 1, 2);      // bytes a sample
  at = Put(at, 8, 2);      // bits a sample
  at = PutText(at, "data");
  Put(at, size, 4);
  wave.made = true;
}

constexpr DWORD kSoundAsync = 0x0001;      // SND_ASYNC
constexpr DWORD kSoundNoDefault = 0x0002;  // SND_NODEFAULT
constexpr DWORD kSoundMemory = 0x0004;     // SND_MEMORY

// Played asynchronously from memory that must outlive the sound: kept for the whole run.
Wave g_waves[3];

}  // namespace

void Win32Shell::PlayLatchSound(LatchSound sound) {
  using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
  static const auto play = reinterpret_cast<PlaySoundFunction>(
      reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary(L"winmm.dll"), "PlaySoundW")));
  const int index = static_cast<int>(sound);
  Wave& wave = g_waves[index];
  if (!wave.made) MakeWave(wave, kTones[index]);
  if (play) play(reinterpret_cast<LPCWSTR>(wave.bytes), nullptr, kSoundMemory | kSoundAsync | kSoundNoDefault);
}

}  // namespace modlatch::win32
