#include "testing/grading.h"

#include "data/fieldvalue.h"

#include <array>

namespace {

struct Band {
    double lowest; // percent from which the band applies
    const char* text;
    const char* letter;
};

// Highest band first: the first band whose lower bound the percentage reaches is the grade.
constexpr std::array letterBands{
    Band{95, "A (4.0)", "A"},    Band{90, "A- (3.67)", "A-"}, Band{85, "B+ (3.33)", "B+"}, Band{80, "B (3.0)", "B"},
    Band{75, "B- (2.67)", "B-"}, Band{70, "C+ (2.33)", "C+"}, Band{65, "C (2.0)", "C"},    Band{60, "C- (1.67)", "C-"},
    Band{55, "D+ (1.33)", "D+"}, Band{50, "D (1.0)", "D"},    Band{0, "F (0)", "F"},
};

QString markFor(double percent)
{
    if (percent >= 90)
        return QStringLiteral("5");
    if (percent >= 75)
        return QStringLiteral("4");
    if (percent >= 50)
        return QStringLiteral("3");
    return QStringLiteral("2");
}

} // namespace

Grade gradeFor(int count, int questions)
{
    const double percent = questions > 0 ? count * 100.0 / questions : 0.0;
    for (const Band& band : letterBands)
        if (percent >= band.lowest)
            return {markFor(percent), QString::fromUtf8(band.text), QString::fromUtf8(band.letter)};
    return {markFor(percent), QString::fromUtf8(letterBands.back().text), QString::fromUtf8(letterBands.back().letter)};
}

bool answersMatch(const FieldValue& given, const FieldValue& correct)
{
    if (given.isNull() || correct.isNull())
        return given.isNull() && correct.isNull();
    return given.asText() == correct.asText();
}
