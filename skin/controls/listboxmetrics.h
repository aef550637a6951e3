#pragma once

// A list box: an item's height until its items say otherwise; keys typed within the pause extend
// the text the list searches its items for, a later key starts a new one.
namespace metrics::listBox {
constexpr int itemHeight = 16;
constexpr int searchPauseMs = 499;
} // namespace metrics::listBox
