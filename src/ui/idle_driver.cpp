#include "ui/idle_driver.h"

#include <QCoreApplication>

IdleDriver::IdleDriver(Step step, MoreWork moreWork, QObject* parent)
    : QObject(parent), step_(std::move(step)), moreWork_(std::move(moreWork)) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &IdleDriver::Pass);
    QCoreApplication::instance()->installEventFilter(this);
}

IdleDriver::~IdleDriver() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

IdleDriver::Hold::Hold(IdleDriver& driver) : driver_(driver) {
    ++driver_.holds_;
}

IdleDriver::Hold::~Hold() {
    if (--driver_.holds_ == 0 && driver_.deferred_) {
        driver_.deferred_ = false;
        driver_.Arm();
    }
}

void IdleDriver::Arm() {
    if (!timer_.isActive()) timer_.start();
}

bool IdleDriver::eventFilter(QObject* watched, QEvent* /*event*/) {
    // The driver's own timer is no news.
    if (watched != &timer_) Arm();
    return false;
}

void IdleDriver::Pass() {
    if (holds_ > 0) {
        deferred_ = true;
        return;
    }
    {
        Hold hold(*this);
        ++passes_;
        step_();
    }
    if (moreWork_()) Arm();
}
