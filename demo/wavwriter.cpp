#include "wavwriter.h"

#include <QtEndian>

namespace {

void put32(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray encodeWav(const std::vector<std::int16_t>& samples, int sampleRate)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataSize));
    out += "RIFF";
    put32(out, 36 + dataSize);
    out += "WAVE";
    out += "fmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<std::uint32_t>(sampleRate));
    put32(out, static_cast<std::uint32_t>(sampleRate * 2));
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataSize);
    for (std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));
    return out;
}
