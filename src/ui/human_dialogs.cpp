#include "ui/human_dialogs.h"

#include "ui/TDasFlekFrm.h"
#include "ui/TGoodBadFrm.h"
#include "ui/TWhatTalon.h"

HumanDialogs::HumanDialogs(QWidget* parent, CardPictureFn picture)
    : goodBad(new TGoodBadFrm(parent)),
      whatTalon(new TWhatTalon(parent)),
      dasFlek(new TDasFlekFrm(parent)),
      picture_(std::move(picture)) {}

bool HumanDialogs::AskGoodBad(const GoodBadQuestion& q) {
    return goodBad->Ask(q);
}

void HumanDialogs::ShowTalon(const Card& first, const Card& second) {
    whatTalon->ShowCards(picture_(first), picture_(second));
}

FlekAnswer HumanDialogs::AskFlek(const FlekQuestion& q) {
    return dasFlek->Ask(q);
}
