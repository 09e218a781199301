// A recording platform for tests: no real sleeping, dialogs answered from a script, everything logged.
#pragma once

#include "platform.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class FakePlatform : public Platform {
public:
    std::vector<int> sleeps;
    int refreshes = 0;
    QStringList prompts;      // questions asked, in order
    std::deque<bool> answers; // scripted answers; when empty, defaultAnswer
    bool defaultAnswer = false;
    std::function<void()> onAsk; // runs while a question is open, before it is answered
    QStringList errors;
    QStringList warnings;
    QStringList sounds; // file names of the effects started, without folder
    QStringList music;  // "start <track file name>" or "stop"
    QStringList helpPages;
    std::vector<bool> fullScreen;
    bool isFullScreen = false;
    std::vector<int> zooms; // every zoom step asked for
    QSize room{1920, 1040};
    std::function<void()> onRefresh;            // lets a test look at every frame of an animation
    std::function<void(const QRect&)> showArea; // a benchmark's real repaint of the area refreshed

    void sleep(int ms) override { sleeps.push_back(ms); }
    QRect refreshedArea; // the union of the areas refreshed
    void refresh(QWidget&, const QRect& area) override {
        refreshedArea |= area;
        ++refreshes;
        if (showArea) showArea(area);
        if (onRefresh) onRefresh();
    }
    bool askYesNo(QWidget*, const QString& prompt, bool) override {
        prompts << prompt;
        if (onAsk) onAsk();
        if (answers.empty()) return defaultAnswer;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
    void showWarning(QWidget*, const QString& message) override { warnings << message; }
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

    int totalSleep() const {
        int t = 0;
        for (int s : sleeps)
            t += s;
        return t;
    }
    void clear() {
        sleeps.clear();
        refreshes = 0;
        prompts.clear();
        errors.clear();
        warnings.clear();
        sounds.clear();
        music.clear();
        helpPages.clear();
        fullScreen.clear();
        zooms.clear();
    }
};
