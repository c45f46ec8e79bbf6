#include "behaviour/BehaviourSuite.h"
#include "behaviour/HeadlessDriver.h"

BEHAVIOUR_SUITE(HeadlessBehaviour, HeadlessDriver);
