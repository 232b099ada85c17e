#pragma once

#include <gtest/gtest.h>

#include <string>

// The rows of the data-driven tests each carry a `name`, and each row's test is named
// after it: ctest and a failure's report show which row it is.
struct RowName {
    template <typename Row> std::string operator()(const testing::TestParamInfo<Row>& row) const
    {
        return row.param.name;
    }
};
