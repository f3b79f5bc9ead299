// The human's decision dialogs, created once with the main window and reused for every
// question: the window's side of the game's decision-dialog port.
#pragma once

#include <QPixmap>
#include <functional>

#include "table/decision_dialogs.h"

class QWidget;
class TGoodBadFrm;
class TWhatTalon;
class TDasFlekFrm;

class HumanDialogs : public IDecisionDialogs {
public:
    using CardPictureFn = std::function<QPixmap(const Card&)>;
    HumanDialogs(QWidget* parent, CardPictureFn picture);

    bool AskGoodBad(const GoodBadQuestion& q) override;
    void ShowTalon(const Card& first, const Card& second) override;
    FlekAnswer AskFlek(const FlekQuestion& q) override;

    TGoodBadFrm* goodBad;
    TWhatTalon* whatTalon;
    TDasFlekFrm* dasFlek;

private:
    CardPictureFn picture_;
};
