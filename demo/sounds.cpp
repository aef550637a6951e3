#include "sounds.h"

#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

namespace {

class Track {
public:
    explicit Track(int sampleRate) : rate_(sampleRate) {}

    // Short raised-cosine edges keep the tone from clicking when it starts and stops.
    void tone(double frequency, double seconds, double amplitude = 0.6)
    {
        const int count = samplesFor(seconds);
        const int edge = std::min(count / 2, samplesFor(0.005));
        for (int i = 0; i < count; ++i) {
            double envelope = 1.0;
            if (i < edge)
                envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * i / edge);
            else if (i >= count - edge)
                envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * (count - 1 - i) / edge);
            const double value = amplitude * envelope * std::sin(2.0 * std::numbers::pi * frequency * i / rate_);
            samples_.push_back(static_cast<std::int16_t>(std::lround(value * 32767.0)));
        }
    }
    void silence(double seconds) { samples_.insert(samples_.end(), static_cast<std::size_t>(samplesFor(seconds)), 0); }
    std::vector<std::int16_t> take() { return std::move(samples_); }

private:
    int samplesFor(double seconds) const { return static_cast<int>(std::lround(seconds * rate_)); }

    int rate_;
    std::vector<std::int16_t> samples_;
};

// The Russian Morse alphabet.
const std::map<char16_t, const char*>& morseCodes()
{
    static const std::map<char16_t, const char*> codes = {
        {u'А', ".-"},    {u'Б', "-..."}, {u'В', ".--"},  {u'Г', "--."},   {u'Д', "-.."},  {u'Е', "."},
        {u'Ё', "."},     {u'Ж', "...-"}, {u'З', "--.."}, {u'И', ".."},    {u'Й', ".---"}, {u'К', "-.-"},
        {u'Л', ".-.."},  {u'М', "--"},   {u'Н', "-."},   {u'О', "---"},   {u'П', ".--."}, {u'Р', ".-."},
        {u'С', "..."},   {u'Т', "-"},    {u'У', "..-"},  {u'Ф', "..-."},  {u'Х', "...."}, {u'Ц', "-.-."},
        {u'Ч', "---."},  {u'Ш', "----"}, {u'Щ', "--.-"}, {u'Ъ', "--.--"}, {u'Ы', "-.--"}, {u'Ь', "-..-"},
        {u'Э', "..-.."}, {u'Ю', "..--"}, {u'Я', ".-.-"},
    };
    return codes;
}

} // namespace

std::vector<std::int16_t> morseSound(const QString& text, int sampleRate)
{
    // About 15 words a minute: slow enough for a student to write the signs down.
    constexpr double unit = 0.08;
    constexpr double pitch = 800.0;
    Track track(sampleRate);
    track.silence(0.3);
    for (QChar c : text.toUpper()) {
        if (c == u' ') {
            track.silence(4 * unit); // with the letter gap already given, a word gap of 7 units
            continue;
        }
        const auto found = morseCodes().find(c.unicode());
        if (found == morseCodes().end())
            throw std::runtime_error("no Morse code for '" + QString(c).toStdString() + "'");
        for (const char* sign = found->second; *sign; ++sign) {
            track.tone(pitch, *sign == '.' ? unit : 3 * unit);
            track.silence(unit);
        }
        track.silence(2 * unit);
    }
    track.silence(0.3);
    return track.take();
}

std::vector<std::int16_t> timeSignalSound(int sampleRate)
{
    // Six short pips a second apart; the start of the sixth marks the full hour.
    Track track(sampleRate);
    track.silence(0.5);
    for (int pip = 0; pip < 6; ++pip) {
        track.tone(1000.0, 0.1, 0.5);
        track.silence(pip < 5 ? 0.9 : 0.6);
    }
    return track.take();
}

std::vector<std::int16_t> telephoneSound(int sampleRate)
{
    // The 425 Hz line tones of Russian exchanges: dial tone, two rings heard by the caller, busy.
    Track track(sampleRate);
    track.tone(425.0, 2.0, 0.4);
    track.silence(1.0);
    track.tone(425.0, 1.0, 0.4);
    track.silence(4.0);
    track.tone(425.0, 1.0, 0.4);
    track.silence(2.0);
    for (int beep = 0; beep < 5; ++beep) {
        track.tone(425.0, 0.35, 0.4);
        track.silence(0.35);
    }
    return track.take();
}

std::vector<std::int16_t> intervalSignalSound(int sampleRate)
{
    // A station's interval signal: a short phrase of bell-like notes, played twice, by which a
    // listener turning the dial knows the station before it speaks.
    constexpr double phrase[][2] = {{659.3, 0.3}, {784.0, 0.3}, {880.0, 0.45},
                                    {784.0, 0.3}, {659.3, 0.3}, {587.3, 0.6}};
    Track track(sampleRate);
    track.silence(0.3);
    for (int time = 0; time < 2; ++time) {
        for (const auto& [frequency, seconds] : phrase) {
            track.tone(frequency, seconds, 0.45);
            track.silence(0.05);
        }
        track.silence(0.8);
    }
    return track.take();
}
