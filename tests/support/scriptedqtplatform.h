// The program's own platform with its dialogs answered from a script, without sound, and with
// animations that finish at once unless a test asks for real time, so tests run the real full-screen view
// and window switching.
#pragma once

#include "qtplatform.h"

#include <QStringList>
#include <deque>

class ScriptedQtPlatform : public QtPlatform {
public:
    std::deque<bool> answers; // scripted answers to Yes/No questions; No when empty
    QStringList prompts;
    QStringList errors;
    bool realDialogs = false; // the program's own dialogs, answered by the test through key events

    bool realPauses = false; // the animations' pauses on real timers

    void after(int ms, QObject& context, std::function<void()> then) override {
        if (realPauses)
            QtPlatform::after(ms, context, std::move(then));
        else
            then();
    }
    bool askYesNo(QWidget* parent, const QString& prompt, bool czech) override {
        prompts << prompt;
        if (realDialogs) return QtPlatform::askYesNo(parent, prompt, czech);
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showWarning(QWidget*, const QString& message) override { errors << message; }
    void playSound(const QString&) override {}
    void startMusic(const QString&) override {}
    void stopMusic() override {}
};
