// Between the talon and the first trick: the contract is announced, the two other seats say
// whether the game is good (a seat may take it over with a higher contract, and then the two
// seats after the taker are asked again), trumps and a declared seven are announced, and the
// defenders and the declarer double ("flek") level by level. A suit game that nobody doubles
// ends there when BEZFLEKU is on: the declarer wins it without play.
#include <string>

#include "game/thra.h"
#include "records/text_format.h"

void THra::AnnouncePhase(THrac* d) {
    LogCall(*d, ContractName(contractKind));
    SayCall(*d, ContractCallWord(contractKind));
    view_->SetContractLabel(ContractName(contractKind));
    if (contractKind == Barva && view_->SevenBoxChecked() && view_->HundredBoxChecked())
        return;  // "Stosedm": nobody is asked, nobody may double; the human leads
    view_->SetDeclarerLabel("Hraje :" + declarer->name);

    // Good or taken: the two seats after the declarer in turn; a take-over restarts the asking.
    int counter = 3;
    THrac* asked = d;
    do {
        --counter;
        asked = asked->next;
        if (contractKind <= Durch && !asked->AnswerGame()) {
            counter = 3;
            if (humanLayingTalon) return;  // the human's talon confirmation runs the phase again
        }
        view_->SetDeclarerLabel("Hraje :" + declarer->name);
        view_->SetContractLabel(ContractName(contractKind));
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

void THra::UnflekedGameEnd() {
    records_->AppendPlayingRec(declarer->name, Barva, ResultWon, gamesPlayed);
    records_->AppendPlayingRec(declarer->next->name, Barva, ResultLost, gamesPlayed);
    records_->AppendPlayingRec(declarer->next->next->name, Barva, ResultLost, gamesPlayed);
    view_->EnableNewGame(true);
    view_->EnableRulesMenu(true);
    state = Waiting;
    tricksPlayed = 10;
    result_->ClearResultLines();

    const RuleSet& r = rules();
    const double stake = BaseStake(r);
    const bool hearts = TrumpSuit() == kHearts;
    double base = stake;
    if (r.herce && hearts) base *= 2;
    AddResultAmount("Nefleknutá hra", base);
    double seven = 0;
    if (sevenDeclared) {
        seven = StakeMultiplier(r.hlasenaSedma, 4) * stake * (hearts ? 2 : 1);
        AddResultAmount("Hlášená sedma", seven);
        LogLine("Hlášená sedma");
        SayCall(*declarer, "Hlasim_sedmu");
        PlaySound("wavs\\hura.wav", true);
    } else {
        PlaySound("wavs\\smula.wav", true);
    }
    const double total = base + seven;
    if (result_->ShowResult(talon, trumpCard)) newGameRequested = true;
    declarer->money += 2 * total;
    declarer->next->money -= total;
    declarer->next->next->money -= total;
    LogLine("Nefleknutá hra");
    ShowFinance();
    for (THrac* s : seats) s->PutRemainingOnPile();
    view_->HideTalonButton();
    observer_->Settled();
}
