#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "behaviour/BehaviourDriver.h"
#include "behaviour/BehaviourTable.h"

// Plays `row` through `driver` in a fresh scratch folder; returns what did
// not behave as the row says, one line each.
std::vector<std::string> PlayRow(BehaviourDriver& driver, const BehaviourRow& row);

// Checks the row on the driver's backend: alike, or still different where
// the row says the backend differs.
void CheckRow(BehaviourDriver& driver, const BehaviourRow& row);

std::string RowName(const ::testing::TestParamInfo<BehaviourRow>& info);
void PrintTo(const BehaviourRow& row, std::ostream* out);

// The whole table as one parameterised suite for the driver `Driver`.
#define BEHAVIOUR_SUITE(Suite, Driver)                                                            \
    class Suite : public ::testing::TestWithParam<BehaviourRow> {};                               \
    TEST_P(Suite, BehavesAsTheTableSays) {                                                        \
        Driver driver;                                                                            \
        CheckRow(driver, GetParam());                                                             \
    }                                                                                             \
    INSTANTIATE_TEST_SUITE_P(Table, Suite, ::testing::ValuesIn(BehaviourRows()), RowName)
