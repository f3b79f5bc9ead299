#include "ui/settings_dialogs.h"

#include <QLineEdit>

#include "base/text_format.h"
#include "game/thra.h"
#include "records/game_settings.h"
#include "records/statistics.h"
#include "ui/tdetail_hracu.h"
#include "ui/tfrm_banka.h"
#include "ui/tfrm_michani.h"
#include "ui/tfrm_rubs.h"
#include "ui/tfrm_souperi.h"
#include "ui/tfrmvyber.h"
#include "ui/tnastaveni_hry.h"
#include "ui/tstatistika.h"

SettingsDialogs::SettingsDialogs(GameSettings& settings, THra& game, ISettingsWindow& window,
                                 StatisticsFile* statistics, ErrorSink onError, QWidget* parent)
    : settings_(settings),
      game_(game),
      window_(window),
      statistics_(statistics),
      onError_(std::move(onError)) {
    nastaveniHry = new TNastaveni_hry(settings_, parent);
    detailHracu = new TDetail_Hracu(parent);
    statistika = new TStatistika(parent);
    vyber = new TFrmVyber(*statistika, parent);
    banka = new Tfrm_banka(parent);
    michani = new Tfrm_michani(settings_, parent);
    rubs = new Tfrm_rubs(onError_, parent);
    souperi = new Tfrm_souperi(parent);
}

const RuleSet& SettingsDialogs::Current() const {
    nastaveniHry->ReadRules(current_);
    michani->ReadRules(current_);
    return current_;
}

void SettingsDialogs::Menu_optionHraClick() {
    nastaveniHry->exec();
}

void SettingsDialogs::Menu_optionMichaniClick() {
    michani->exec();
}

void SettingsDialogs::Menu_optionPlayerClick() {
    for (int n = 1; n <= 3; ++n)
        detailHracu->NameField(n)->setText(QString::fromStdString(game_.Seat(n)->name));
    detailHracu->exec();
    // However the dialog was closed: the labels show the whole name, the seat keeps ten
    // characters of it for the log, the statistics and the file.
    for (int n = 1; n <= 3; ++n) {
        const std::string name = detailHracu->NameField(n)->text().toStdString();
        window_.ShowSeatName(n, name);
        game_.Seat(n)->name = Utf8Left(name, 10);
    }
}

void SettingsDialogs::manu_optionBankaClick() {
    for (int n = 1; n <= 3; ++n) banka->pending[size_t(n - 1)] = game_.Seat(n)->money;
    if (banka->exec() != QDialog::Accepted) return;
    for (int n = 1; n <= 3; ++n) {
        THrac* seat = game_.Seat(n);
        seat->money = banka->pending[size_t(n - 1)];
        window_.ShowSeatMoney(n, FormatAmount(seat->money));
    }
}

void SettingsDialogs::menu_rubsClick() {
    rubs->StartWith(settings_.cardBack);
    if (rubs->exec() != QDialog::Accepted) return;
    const std::string chosen = rubs->ChosenPath();
    std::string error;
    if (!window_.LoadCardBack(chosen, error)) {
        // A back that cannot be shown is not kept: the next start would fail to load it.
        if (onError_) onError_(QString::fromStdString(error));
        std::string ignored;
        window_.LoadCardBack(settings_.cardBack, ignored);
        return;
    }
    settings_.cardBack = chosen;
}

void SettingsDialogs::Menu_optionSouperiClick() {
    souperi->StartWith(settings_.opponents);
    if (souperi->exec() != QDialog::Accepted || souperi->Chosen() == settings_.opponents) return;
    settings_.opponents = souperi->Chosen();
    if (opponentsChosen) opponentsChosen(settings_.opponents);
}

void SettingsDialogs::ShowPlayerRatings() {
    PlayingTotals players;
    if (statistics_) statistics_->ReadTotals(players);
    vyber->SetPlayers(std::move(players));
    vyber->exec();
}
