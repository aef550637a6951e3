#pragma once

#include "skin/core/paintsection.h"

#include <cstdint>

// Holds the fill colour override for as long as it lives and then puts back the one it found, also
// when the painting in between throws: a colour left behind would repaint every later control.
class FillColorScope {
public:
    explicit FillColorScope(int32_t color) : m_previous(fillColorOverride()) { setFillColorOverride(color); }
    ~FillColorScope() { setFillColorOverride(m_previous); }
    FillColorScope(const FillColorScope&) = delete;
    FillColorScope& operator=(const FillColorScope&) = delete;

private:
    int32_t m_previous;
};
