// Between the talon and the first trick: the contract is announced, the two other seats say
// whether the game is good (a seat may take it over with a higher contract, and then the two
// seats after the taker are asked again), trumps and a declared seven are announced, and the
// defenders and the declarer double ("flek") level by level. A suit game that nobody doubles
// ends there when BEZFLEKU is on: the declarer wins it without play (UnflekedGameEnd, with the
// other settlements).
#include <string>

#include "game/thra.h"

void THra::AnnouncePhase(THrac* d) {
    LogCall(*d, ContractName(contractKind));
    SayCall(*d, ContractCallWord(contractKind));
    ShowContractLabel(contractKind);
    if (contractKind == Barva && view_->SevenBoxChecked() && view_->HundredBoxChecked())
        return;  // "Stosedm": nobody is asked, nobody may double; the human leads
    ShowDeclarerLabel();

    // Good or taken: the two seats after the declarer in turn; a take-over restarts the asking.
    int counter = 3;
    THrac* asked = d;
    do {
        --counter;
        asked = asked->next;
        if (contractKind <= Durch && !asked->AnswerGame()) {
            counter = 3;
            if (talonPending) return;  // the taker's TalonDone runs the phase again
        }
        ShowDeclarerLabel();
        ShowContractLabel(contractKind);
    } while (counter > 1);

    StrengthPassAll();
    uint8_t offer = FlekGame;
    if (contractKind == Barva) {
        view_->ShowTrumpCard(trumpCard);
        LogCall(*declarer, SuitName(TrumpSuit()));
        SayCall(*declarer, SuitCallWord(TrumpSuit()));
        if (sevenDeclared) {
            LogCall(*declarer, "Hlásím sedmu");
            SayCall(*declarer, "Hlasim_sedmu");
            offer |= FlekSeven;
        }
        if (hundredDeclared) offer |= FlekHundred;
    }

    // Both defenders are always asked and their doublings count once; the declarer may double
    // back. At flek level 10 ("choť") nobody is asked again.
    flekCount = 0;
    uint8_t r;
    do {
        r = declarer->next->AnswerFlek(offer) | declarer->next->next->AnswerFlek(offer);
        if (r & FlekGame) {
            ++flekCount;
            if (r & FlekSeven) ++sevenFlekCount;
            offer = r;
            r = declarer->AnswerFlek(offer);
            if (r & FlekSeven) ++sevenFlekCount;
            offer = uint8_t(r & ~FlekHundred);
        }
        if (r & FlekGame) ++flekCount;
    } while ((r & FlekGame) && flekCount <= 9);

    state = Playing;
    if (flekCount == 0 && contractKind == Barva && rules().bezfleku && !view_->HundredBoxChecked())
        UnflekedGameEnd();
}
