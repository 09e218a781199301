// What the player chose to play, remembered between runs: the question set, its topics and difficulty.
#pragma once

#include "questiontags.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct PlayChoice {
    QuestionFilter filter; // all topics, mixed
    QString setPath;       // empty: the program's q.dat
    QString setName;       // to find the set again when its folder has moved

    // The default (every topic, mixed, the program's q.dat) for anything but a file toText wrote:
    // an unknown line, an unknown topic or difficulty, no topic at all, or text that is not UTF-8.
    static PlayChoice fromText(QByteArrayView text);
    QByteArray toText() const;
    bool operator==(const PlayChoice&) const = default;
};
