#include "ui/tfrmvyber.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tstatistika.h"

TFrmVyber::TFrmVyber(TStatistika& statistika, QWidget* parent)
    : QDialog(parent), statistika_(statistika) {
    setWindowTitle(QStringLiteral("Výběr hráče"));
    ListBox1 = new QListWidget;
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    StatistikaBtn = new QPushButton(QStringLiteral("Statistika"));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(StatistikaBtn, &QPushButton::clicked, this, &TFrmVyber::ListBox1DblClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TFrmVyber::ListBox1DblClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(StatistikaBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    auto* top = new QVBoxLayout(this);
    top->addWidget(ListBox1);
    top->addLayout(buttons);
}

void TFrmVyber::SetPlayers(PlayingTotals players) {
    players_ = std::move(players);
    ListBox1->clear();
    // A damaged file may hold millions of names: the list is filled in one go, not item by item.
    QStringList names;
    names.reserve(qsizetype(players_.size()));
    for (size_t i = 0; i < players_.size(); ++i)
        names.append(QString::fromStdString(players_.Name(i)));
    ListBox1->addItems(names);
    if (!players_.empty()) ListBox1->setCurrentRow(0);
}

void TFrmVyber::ListBox1DblClick() {
    const int row = ListBox1->currentRow();
    if (row < 0 || row >= int(players_.size())) return;
    statistika_.ShowPlayer(players_.Player(size_t(row)));
    statistika_.exec();
}
