// The program's own platform with its dialogs answered from a script, without sound, and with
// animations that finish at once unless a test asks for real time, so tests run the real full-screen view
// and window switching.
#pragma once

#include "qtplatform.h"

#include <QStringList>
#include <deque>
#include <functional>

class ScriptedQtPlatform : public QtPlatform {
public:
    std::deque<bool> answers; // scripted answers to Yes/No questions; No when empty
    QStringList prompts;
    QStringList errors; // notices of errors and warnings, the game's own and the system's
    // The event loop runs under the game's dialogs as in the program, until the test's key or pointer
    // events answer them.
    bool realDialogs = false;
    std::function<void()> onAsk; // runs as a dialog opens, before its wait begins

    bool realPauses = false; // the animations' pauses on real timers

    void after(int ms, QObject& context, std::function<void()> then) override {
        if (realPauses)
            QtPlatform::after(ms, context, std::move(then));
        else
            then();
    }
    void waitForAnswer(QWidget& window, DialogKind kind, const QString& text, DialogAnswer& answer) override {
        (kind == DialogKind::Question ? prompts : errors) << text;
        if (onAsk) onAsk();
        if (realDialogs) return QtPlatform::waitForAnswer(window, kind, text, answer);
        if (kind != DialogKind::Question || answers.empty()) {
            answer.give(kind != DialogKind::Question);
            return;
        }
        answer.give(answers.front());
        answers.pop_front();
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showWarning(QWidget*, const QString& message) override { errors << message; }
    void playSound(const QString&) override {}
    void startMusic(const QString&) override {}
    void stopMusic() override {}
};
