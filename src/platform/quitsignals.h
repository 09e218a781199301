// Turns the signals that ask a program to end (SIGTERM, SIGINT, SIGHUP: a logout, Ctrl+C, kill) into a
// Qt signal delivered by the event loop, so the game can end through its normal shutdown.
#pragma once

#include <QObject>

class QSocketNotifier;

class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    void quitRequested(int signalNumber);

private:
    void readSignal();
    QSocketNotifier* notifier_ = nullptr;
};
