#include "robot/trobot.h"

TRobot::TRobot(THra& g, int no) : THrac(g, no) {}

// A remembered betl lead belongs to the deal it was chosen in.
void TRobot::NewDeal() {
    betlLead = Card{};
}
