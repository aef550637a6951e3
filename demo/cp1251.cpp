#include "cp1251.h"

#include <array>
#include <stdexcept>

namespace {

// Unicode code points of the bytes 0x80 to 0xBF; 0 marks the one byte without a character.
constexpr std::array<char16_t, 64> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char encodeOne(char16_t c)
{
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= 0x0410 && c <= 0x044F) // А..я in alphabetical order at 0xC0..0xFF
        return static_cast<char>(0xC0 + (c - 0x0410));
    for (std::size_t i = 0; i < upperHalf.size(); ++i) {
        if (upperHalf[i] != 0 && upperHalf[i] == c)
            return static_cast<char>(0x80 + i);
    }
    throw std::runtime_error("character U+" + QString::number(c, 16).toUpper().rightJustified(4, '0').toStdString()
                             + " has no windows-1251 code");
}

} // namespace

QByteArray toCp1251(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(encodeOne(c.unicode()));
    return bytes;
}
