#include "ui/tstatistika.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/statistics.h"
#include "ui/dialog_style.h"

TStatistika::TStatistika(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Statistika hráče"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const QString columns[] = {QStringLiteral("Vyhraných"), QStringLiteral("Prohraných"),
                               QStringLiteral("Celkem")};
    const QString rows[] = {QStringLiteral("Počet her"), QStringLiteral("Hry"),
                            QStringLiteral("Betly"), QStringLiteral("Durchy")};
    for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(columns[c]), 0, c + 1, Qt::AlignRight);
    QLabel** cells[4][3] = {{&Label10, &Label11, &Label12},
                            {&Label13, &Label14, &Label15},
                            {&Label16, &Label17, &Label18},
                            {&Label19, &Label20, &Label21}};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(rows[r]), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            *cells[r][c] = new QLabel(QStringLiteral("0"));
            grid->addWidget(*cells[r][c], r + 1, c + 1, Qt::AlignRight);
        }
    }
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    OKBtn = AddOkRow(this, top, QStringLiteral("OK"));
}

void TStatistika::ShowPlayer(const TStatPlayer& p) {
    const std::pair<QLabel*, int32_t> cells[] = {
        {Label10, p.won},          {Label11, p.lost},          {Label12, p.games},
        {Label13, p.suitGamesWon}, {Label14, p.suitGamesLost}, {Label15, p.suitGames},
        {Label16, p.betlsWon},     {Label17, p.betlsLost},     {Label18, p.betls},
        {Label19, p.durchsWon},    {Label20, p.durchsLost},    {Label21, p.durchs}};
    for (const auto& [label, n] : cells) label->setText(QString::number(n));
}
