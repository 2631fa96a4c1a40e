#pragma once

#include <gtest/gtest.h>
#include <string>

// Names each case of a table after its Name field, so that every case has a readable, stable test name.
struct TCaseName {
    template <class TCase> std::string operator()(const testing::TestParamInfo<TCase>& info) const {
        return info.param.Name;
    }
};

inline constexpr TCaseName CaseName;
