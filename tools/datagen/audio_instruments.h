#pragma once
// The synthesised instruments of the songs, each tuned so that its XM note plays the
// pitch of the same MIDI note (XM C-4 = MIDI 60).
#include "audio_xm.h"

enum class LeadTimbre { Square, Saw, Organ, Pluck, Bell };
enum class BassTimbre { Round, Growl };
enum class PadTimbre { Strings, Choir };

XmInstrument MakeLead(LeadTimbre timbre, uint32_t seed);
XmInstrument MakeBass(BassTimbre timbre);
XmInstrument MakePad(PadTimbre timbre);
XmInstrument MakeKick();
XmInstrument MakeSnare(uint32_t seed);
XmInstrument MakeHat(uint32_t seed);
