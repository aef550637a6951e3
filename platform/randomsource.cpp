#include "platform/randomsource.h"

quint32 RandomSource::draw(quint32 range)
{
    state_ = state_ * 134775813u + 1u;
    return static_cast<quint32>((static_cast<quint64>(state_) * range) >> 32);
}

RandomSource& programRandom()
{
    static RandomSource source;
    return source;
}
