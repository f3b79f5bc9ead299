#include "robot/trobot.h"

TRobot::TRobot(THra& g, int no) : THrac(g, no) {}
