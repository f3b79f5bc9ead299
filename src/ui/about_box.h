// The credits window: a splash at start that no user can close (its 5 second timer does), and
// "O programu", the same credits shown modally with the button "Zavřít".
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    enum Mode { Splash, Credits };
    TAboutBox(Mode mode, QWidget* parent = nullptr);

    // Splash: called when the 5000 ms timer fires; the start-up sets it to close the splash.
    void SetCallback(std::function<void()> callback) { callback_ = std::move(callback); }
    // Closes and destroys the window even in splash mode.
    void CloseNow();

    QTimer Timer1;
    QPushButton* OKButton = nullptr;  // "Zavřít"; none on the splash

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Timer1Timer();

    Mode mode_;
    bool closing_ = false;
    std::function<void()> callback_;
};
