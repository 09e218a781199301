// The player's files: where settings, the language marker, the zoom step, the memory of dealt
// questions, the question sets and the choice of what to play live, and how each is read and written whole.
// Only the window shows what went wrong.
#pragma once

#include "playchoice.h"
#include "playersetup.h"
#include "questionsets.h"
#include "seenquestions.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace filestore {

struct ReadResult {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    QByteArray bytes;
    QString error; // when Failed: why, in Qt's words
    bool isRead() const { return status == Status::Read; }
    bool hasFailed() const { return status == Status::Failed; }
};

// A regular file only: a pipe or a device would block or never end, so it counts as unreadable.
ReadResult readRegularFile(const QString& path);

// Writes to a temporary file beside path and renames it over the old file only when every byte
// reached the disk. Returns the cause of a failure (the old file is kept), or an empty string.
QString writeWhole(const QString& path, const QByteArray& bytes);

} // namespace filestore

class Profile {
public:
    // configFolder is the user's own (QStandardPaths::AppConfigLocation in the program).
    Profile(const QString& programFolder, const QString& configFolder, bool installed);

    QString programFolder() const { return programFolder_; }
    QString configFolder() const { return configFolder_; }
    // Where n.dat and the language marker are written: the program folder when it may be written to.
    QString storeFolder() const;
    // Settings written to the config folder (read-only program folder) win over a copy beside the program.
    QString settingsFileToRead() const;
    QString settingsFile() const { return storeFolder() + QStringLiteral("/n.dat"); }
    QString languageMarker() const;
    QString zoomFile() const { return configFolder_ + QStringLiteral("/zoom.txt"); }
    QString seenQuestionsFile() const { return configFolder_ + QStringLiteral("/seen-questions.txt"); }
    QString playersFile() const { return configFolder_ + QStringLiteral("/players.txt"); }
    // A user's own q.dat in the config folder replaces the shared one of an installed game.
    QString questionFile() const;
    // Question sets: *.dat files in questions/ beside the program (shipped) and in the config folder
    // (the player's own; the folder need not exist).
    QString programSetsFolder() const { return programFolder_ + QStringLiteral("/questions"); }
    QString userSetsFolder() const { return configFolder_ + QStringLiteral("/questions"); }
    QuestionSets findQuestionSets() const;
    QString choiceFile() const { return configFolder_ + QStringLiteral("/choice.txt"); }
    // The choice remembered; the default (every topic, mixed, the program's q.dat) when there is no
    // readable file or it is damaged.
    PlayChoice readPlayChoice() const;
    QString savePlayChoice(const PlayChoice& choice);

    // The settings file as found at start-up. A file that exists but could not be read is never
    // replaced unless the settings change.
    filestore::ReadResult readSettings();
    bool mayReplaceSettings(bool changed) const { return changed || !settingsUnreadable_; }
    QString saveSettings(const QByteArray& bytes);

    std::optional<int> readZoomChoice() const; // nothing when there is no readable file
    QString saveZoomChoice(int percent);

    // The memory of dealt questions. Saving merges it with what another copy of the game may have
    // written meanwhile; a file that exists but cannot be read is left alone.
    SeenQuestions readSeenQuestions() const;
    QString saveSeenQuestions(SeenQuestions& seen);

    // Who plays each side; no file, an unreadable or a damaged one gives two people.
    PlayerSetup readPlayers() const;
    QString savePlayers(const PlayerSetup& players);

private:
    QString ensureConfigFolder() const;

    QString programFolder_;
    QString configFolder_;
    bool installed_ = false;
    bool settingsUnreadable_ = false;
};
