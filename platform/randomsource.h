#pragma once

#include <QtGlobal>

// The program's one source of chance: a 32-bit linear congruential sequence that starts at 0 with
// every program run unless seeded (a classroom session seeds it), so that every run draws the
// same numbers in the same order. Successive draws continue the sequence for the whole run.
class RandomSource {
public:
    // A whole number in 0 .. range-1 (0 for a range of 0 or 1).
    quint32 draw(quint32 range);

    quint32 state() const { return state_; }
    // Starts the sequence elsewhere: for runs that must not draw what every other run draws.
    void seed(quint32 state) { state_ = state; }

private:
    quint32 state_ = 0;
};

// The instance the whole program draws from.
RandomSource& programRandom();
