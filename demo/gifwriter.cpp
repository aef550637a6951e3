#include "gifwriter.h"

#include <map>
#include <stdexcept>
#include <unordered_map>

namespace {

void put16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

class BitPacker {
public:
    void write(int code, int size)
    {
        accumulator_ |= static_cast<unsigned>(code) << bits_;
        bits_ += size;
        while (bits_ >= 8) {
            bytes_.append(static_cast<char>(accumulator_ & 0xFF));
            accumulator_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (bits_ > 0)
            bytes_.append(static_cast<char>(accumulator_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    unsigned accumulator_ = 0;
    int bits_ = 0;
};

// Variable-length LZW as GIF wants it: the code size grows once the decoder, which adds its
// entries one code later than the encoder, will need the wider codes; a full table starts afresh.
QByteArray lzw(const std::vector<unsigned char>& indexes, int minimumCodeSize)
{
    const int clear = 1 << minimumCodeSize;
    const int endOfInformation = clear + 1;
    BitPacker out;
    std::unordered_map<int, int> table; // (prefix << 8 | index) -> code
    int codeSize = minimumCodeSize + 1;
    int next = endOfInformation + 1;
    out.write(clear, codeSize);
    int prefix = indexes.front();
    for (std::size_t i = 1; i < indexes.size(); ++i) {
        const int index = indexes[i];
        const int key = prefix << 8 | index;
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.write(prefix, codeSize);
        if (next < 4096) {
            table.emplace(key, next++);
            if (next > (1 << codeSize) && codeSize < 12)
                ++codeSize;
        } else {
            out.write(clear, codeSize);
            table.clear();
            codeSize = minimumCodeSize + 1;
            next = endOfInformation + 1;
        }
        prefix = index;
    }
    out.write(prefix, codeSize);
    out.write(endOfInformation, codeSize);
    return out.finish();
}

std::vector<unsigned char> paletteIndexes(const QImage& frame, const std::vector<QRgb>& palette)
{
    std::map<QRgb, unsigned char> known;
    std::vector<unsigned char> indexes;
    indexes.reserve(static_cast<std::size_t>(frame.width()) * static_cast<std::size_t>(frame.height()));
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = line[x] | 0xFF000000u;
            auto found = known.find(colour);
            if (found == known.end()) {
                int best = 0;
                int bestDistance = 1 << 30;
                for (std::size_t p = 0; p < palette.size(); ++p) {
                    const int dr = qRed(colour) - qRed(palette[p]);
                    const int dg = qGreen(colour) - qGreen(palette[p]);
                    const int db = qBlue(colour) - qBlue(palette[p]);
                    const int distance = dr * dr + dg * dg + db * db;
                    if (distance < bestDistance) {
                        bestDistance = distance;
                        best = static_cast<int>(p);
                    }
                }
                found = known.emplace(colour, static_cast<unsigned char>(best)).first;
            }
            indexes.push_back(found->second);
        }
    }
    return indexes;
}

} // namespace

QByteArray encodeAnimatedGif(const std::vector<QImage>& frames, const std::vector<QRgb>& palette, int delayHundredths)
{
    if (frames.empty() || palette.empty() || palette.size() > 256)
        throw std::runtime_error("an animated GIF needs frames and a palette of 1 to 256 colours");
    const int width = frames.front().width();
    const int height = frames.front().height();
    int tableBits = 1;
    while ((1 << tableBits) < static_cast<int>(palette.size()))
        ++tableBits;
    const int minimumCodeSize = std::max(2, tableBits);

    QByteArray out = "GIF89a";
    put16(out, width);
    put16(out, height);
    out.append(static_cast<char>(0x80 | (tableBits - 1) << 4 | (tableBits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // no aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb colour = i < static_cast<int>(palette.size()) ? palette[static_cast<std::size_t>(i)] : 0;
        out.append(static_cast<char>(qRed(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qBlue(colour)));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop for ever

    for (const QImage& frame : frames) {
        if (frame.width() != width || frame.height() != height)
            throw std::runtime_error("all frames of an animated GIF must have one size");
        out.append("\x21\xF9\x04\x00", 4);
        put16(out, delayHundredths);
        out.append("\x00\x00", 2);
        out.append('\x2C');
        put16(out, 0);
        put16(out, 0);
        put16(out, width);
        put16(out, height);
        out.append('\0');
        out.append(static_cast<char>(minimumCodeSize));
        const QByteArray data = lzw(paletteIndexes(frame, palette), minimumCodeSize);
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const qsizetype length = std::min<qsizetype>(255, data.size() - at);
            out.append(static_cast<char>(length));
            out.append(data.constData() + at, length);
        }
        out.append('\0');
    }
    out.append('\x3B');
    return out;
}
