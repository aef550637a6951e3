#pragma once

// Parameterised suites name each case after its `name` member, so that CTest lists names a person
// can read and rerun with `ctest -R`, and that stay the same from build to build.

#include <gtest/gtest.h>

#include <string>

// GoogleTest accepts only letters, digits and underscores in a case name.
std::string testNameOf(const std::string& text);

struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return testNameOf(info.param.name);
    }
};
