#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The course's recordings are synthesised: what a telegraph, a time signal, a telephone line and
// a radio station's interval signal sounded like is a handful of pure tones and pauses.
std::vector<std::int16_t> morseSound(const QString& text, int sampleRate);
std::vector<std::int16_t> timeSignalSound(int sampleRate);
std::vector<std::int16_t> telephoneSound(int sampleRate);
std::vector<std::int16_t> intervalSignalSound(int sampleRate);
