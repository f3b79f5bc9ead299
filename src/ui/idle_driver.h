// Runs the game's idle step the way a message loop's idle notification does: once after each
// burst of events, and again at once while the game reports more work. While the game waits
// for the human nothing is armed, so an idle window costs no processor time at all.
//
// Every event the application delivers (a click, a key, a paint, a timer) arms one pass on a
// zero-interval timer, which runs after the events already queued. Calls into the game from
// the window (a menu command, a click, the trick timer) hold the driver: passes that fall due
// meanwhile, in the nested loop of a modal dialog or of a waiting sound, run once the call
// has returned. They would find the game waiting anyway; holding them keeps the game from
// being entered twice.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class IdleDriver : public QObject {
    Q_OBJECT
public:
    using Step = std::function<void()>;
    using MoreWork = std::function<bool()>;

    IdleDriver(Step step, MoreWork moreWork, QObject* parent = nullptr);
    ~IdleDriver() override;

    // Keeps idle passes back while it lives.
    class Hold {
    public:
        explicit Hold(IdleDriver& driver);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        IdleDriver& driver_;
    };

    // Asks for one pass after the events now queued.
    void Arm();
    // Idle passes run so far (steps taken, not counting passes held back).
    long passes() const { return passes_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pass();

    Step step_;
    MoreWork moreWork_;
    QTimer timer_;
    int holds_ = 0;
    bool deferred_ = false;
    long passes_ = 0;
};
