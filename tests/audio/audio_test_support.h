#pragma once
// Helpers of the audio tests: SDL's disk audio driver as a recorder of what the game
// plays, test WAV files, and levels of recorded stretches.
#include <cstdint>
#include <string>
#include <vector>

// A fresh directory under the system's temporary directory.
std::string MakeTempDir(const std::string& tag);

// Points SDL's audio at the disk driver writing into a fresh file; call before the sound
// library (or the title decoder) opens its device.
std::string UseDiskAudio(const std::string& tag);

// Frames (left/right pairs) written to the disk file so far.
long RecordedFrames(const std::string& file);
// The recorded 16-bit stereo samples from frame `from` to `to` (-1: the end).
std::vector<int16_t> RecordedSamples(const std::string& file, long from, long to = -1);
// Waits `ms` of real time.
void WaitAudio(int ms);
// Waits until the disk driver has written `ms` more of sound, however slowly a loaded
// machine lets it run (gives up after a generous multiple of that time).
void WaitRecorded(const std::string& file, int ms);

int PeakOf(const std::vector<int16_t>& s);
double RmsOf(const std::vector<int16_t>& s);

inline constexpr int RecordRate = 44100;
inline long FramesOf(int ms) { return long(ms) * RecordRate / 1000; }

// A 16-bit mono WAV of a sine tone (amplitude 0..1), written to `path`.
void WriteToneWav(const std::string& path, double seconds, double hz, double amplitude, int rate = 44100);
// Writes bytes to a file.
void WriteBytes(const std::string& path, const std::string& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);
