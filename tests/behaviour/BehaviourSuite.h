#pragma once

#include <memory>
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

// Registers every row of the table as a test of `suite`, played on a fresh
// driver from `makeDriver`. Called once per backend, before the tests run.
using DriverFactory = std::unique_ptr<BehaviourDriver> (*)();
bool RegisterBehaviourSuite(const char* suite, DriverFactory makeDriver);
