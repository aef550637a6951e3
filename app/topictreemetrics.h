#pragma once

// The topic trees of the main and photo windows.
namespace metrics::topicTree {
constexpr int indentation = 19;
constexpr int fontPointSize = 10;
} // namespace metrics::topicTree
