// A recording platform for tests: animation pauses that pass at once (or when the test says), the
// game's dialogs answered by the test's input or from a script, everything logged.
#pragma once

#include "platform.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class FakePlatform : public Platform {
public:
    std::vector<int> pauses; // every pause of an animation, in ms
    // Held pauses wait for runPause(); otherwise a pause passes at once, inside the call that began it.
    bool holdPauses = false;
    std::deque<std::function<void()>> pending;
    int refreshes = 0;
    // The game's own dialogs, by kind, in order: questions, and notices of errors and warnings (these
    // include the system's message boxes, which systemBoxes lists apart).
    QStringList prompts;
    QStringList errors;
    QStringList warnings;
    QStringList systemBoxes;
    // Answers to questions the test's input left unanswered; when empty, defaultAnswer. Notices close.
    std::deque<bool> answers;
    bool defaultAnswer = false;
    // Runs while a dialog is open, before the script answers it: a test can look at it, or answer it
    // with real key and pointer events through the window.
    std::function<void()> onAsk;
    QStringList sounds; // file names of the effects started, without folder
    QStringList music;  // "start <track file name>" or "stop"
    QStringList helpPages;
    std::vector<bool> fullScreen;
    bool isFullScreen = false;
    std::vector<int> zooms; // every zoom step asked for
    QSize room{1920, 1040};
    std::function<void()> onRefresh;            // lets a test look at every frame of an animation
    std::function<void(const QRect&)> showArea; // a benchmark's real repaint of the area refreshed

    void after(int ms, QObject&, std::function<void()> then) override {
        pauses.push_back(ms);
        if (holdPauses)
            pending.push_back(std::move(then));
        else
            then();
    }
    // Lets the oldest held pause pass; false when none is held.
    bool runPause() {
        if (pending.empty()) return false;
        auto then = std::move(pending.front());
        pending.pop_front();
        then();
        return true;
    }
    void runAllPauses() {
        while (runPause()) {
        }
    }
    QRect refreshedArea; // the union of the areas refreshed
    void refresh(QWidget&, const QRect& area) override {
        refreshedArea |= area;
        ++refreshes;
        if (showArea) showArea(area);
        if (onRefresh) onRefresh();
    }
    void waitForAnswer(QWidget&, DialogKind kind, const QString& text, DialogAnswer& answer) override {
        (kind == DialogKind::Question ? prompts : kind == DialogKind::Error ? errors : warnings) << text;
        if (onAsk) onAsk();
        if (answer.isGiven()) return;
        if (kind != DialogKind::Question || answers.empty()) {
            answer.give(kind != DialogKind::Question || defaultAnswer);
            return;
        }
        answer.give(answers.front());
        answers.pop_front();
    }
    void showError(QWidget*, const QString& message) override {
        errors << message;
        systemBoxes << message;
    }
    void showWarning(QWidget*, const QString& message) override {
        warnings << message;
        systemBoxes << message;
    }
    void playSound(const QString& wavPath) override { sounds << wavPath.section(u'/', -1); }
    void startMusic(const QString& trackPath) override {
        music << QStringLiteral("start ") + trackPath.section(u'/', -1);
    }
    void stopMusic() override { music << QStringLiteral("stop"); }
    void loadHelpPage(QTextBrowser&, const QString& htmlPath) override { helpPages << htmlPath; }
    void setFullScreen(QWidget&, bool on) override {
        fullScreen.push_back(on);
        isFullScreen = on;
    }

    void setZoom(QWidget&, int percent) override { zooms.push_back(percent); }
    QSize screenRoom(QWidget&) override { return room; }

    // Leaving the view for good: a switch back from full screen only when full screen was on.
    void restoreDisplay(QWidget&) override {
        ++displayRestores;
        if (isFullScreen) fullScreen.push_back(false);
        isFullScreen = false;
    }
    int displayRestores = 0;

    int totalPause() const {
        int t = 0;
        for (int p : pauses)
            t += p;
        return t;
    }
    void clear() {
        pauses.clear();
        refreshes = 0;
        prompts.clear();
        errors.clear();
        warnings.clear();
        systemBoxes.clear();
        sounds.clear();
        music.clear();
        helpPages.clear();
        fullScreen.clear();
        zooms.clear();
    }
};
