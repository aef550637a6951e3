#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// 16-bit mono PCM in a RIFF WAVE file: the format every desktop player opens.
QByteArray encodeWav(const std::vector<std::int16_t>& samples, int sampleRate);
