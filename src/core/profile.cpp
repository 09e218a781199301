#include "profile.h"

#include "zoomsteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace filestore {

ReadResult readRegularFile(const QString& path) {
    ReadResult r;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return r;
    r.status = ReadResult::Status::Failed;
    if (info.isDir()) {
        r.error = QStringLiteral("Is a directory");
        return r;
    }
    if (!info.isFile()) {
        r.error = QStringLiteral("Not a regular file");
        return r;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = f.errorString();
        return r;
    }
    r.bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.error = f.errorString();
        r.bytes.clear();
        return r;
    }
    r.status = ReadResult::Status::Read;
    return r;
}

QString writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    // Unbuffered: a buffered write that fails only when flushed at commit() is renamed over the old
    // file all the same.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return f.errorString();
    if (f.write(bytes) != bytes.size()) {
        const QString cause = f.errorString();
        f.cancelWriting();
        return cause.isEmpty() ? QStringLiteral("Write failed") : cause;
    }
#ifdef Q_OS_UNIX
    // A full disk may only say so when the data is forced out.
    if (::fsync(f.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString cause = QString::fromLocal8Bit(std::strerror(errno));
        f.cancelWriting();
        return cause;
    }
#endif
    if (!f.commit()) return f.errorString().isEmpty() ? QStringLiteral("Write failed") : f.errorString();
    return {};
}

} // namespace filestore

Profile::Profile(const QString& programFolder, const QString& configFolder, bool installed)
    : programFolder_(programFolder), configFolder_(configFolder), installed_(installed) {}

QString Profile::storeFolder() const {
    const QFileInfo info(programFolder_);
    if (!installed_ && info.isDir() && info.isWritable()) return programFolder_;
    return ensureConfigFolder();
}

QString Profile::ensureConfigFolder() const {
    QDir().mkpath(configFolder_);
    return configFolder_;
}

QString Profile::settingsFileToRead() const {
    const QString stored = settingsFile();
    if (QFileInfo::exists(stored) || QFileInfo(stored).isSymLink()) return stored;
    return programFolder_ + QStringLiteral("/n.dat");
}

QString Profile::languageMarker() const {
    return storeFolder() + QStringLiteral("/AtToMluvi.Cesky");
}

QString Profile::questionFile() const {
    const QString own = storeFolder() + QStringLiteral("/q.dat");
    if (storeFolder() == programFolder_ || !QFileInfo::exists(own))
        return programFolder_ + QStringLiteral("/q.dat");
    return own;
}

filestore::ReadResult Profile::readSettings() {
    filestore::ReadResult r = filestore::readRegularFile(settingsFileToRead());
    settingsUnreadable_ = r.hasFailed();
    return r;
}

QString Profile::saveSettings(const QByteArray& bytes) {
    const QString cause = filestore::writeWhole(settingsFile(), bytes);
    if (cause.isEmpty()) settingsUnreadable_ = false;
    return cause;
}

std::optional<int> Profile::readZoomChoice() const {
    const filestore::ReadResult r = filestore::readRegularFile(zoomFile());
    if (!r.isRead()) return std::nullopt;
    return zoomsteps::parse(r.bytes.left(16));
}

QString Profile::saveZoomChoice(int percent) {
    ensureConfigFolder();
    return filestore::writeWhole(zoomFile(), zoomsteps::format(percent));
}

SeenQuestions Profile::readSeenQuestions() const {
    const filestore::ReadResult r = filestore::readRegularFile(seenQuestionsFile());
    return r.isRead() ? SeenQuestions::fromText(r.bytes) : SeenQuestions();
}

QString Profile::saveSeenQuestions(SeenQuestions& seen) {
    ensureConfigFolder();
    const filestore::ReadResult onDisk = filestore::readRegularFile(seenQuestionsFile());
    if (onDisk.hasFailed()) return onDisk.error; // never cut a memory we could not read
    if (onDisk.isRead()) seen.mergeFrom(SeenQuestions::fromText(onDisk.bytes));
    return filestore::writeWhole(seenQuestionsFile(), seen.toText());
}

QuestionSets Profile::findQuestionSets() const {
    return QuestionSets::find(questionFile(), programSetsFolder(), userSetsFolder());
}

PlayChoice Profile::readPlayChoice() const {
    const filestore::ReadResult r = filestore::readRegularFile(choiceFile());
    return r.isRead() ? PlayChoice::fromText(r.bytes) : PlayChoice();
}

QString Profile::savePlayChoice(const PlayChoice& choice) {
    ensureConfigFolder();
    return filestore::writeWhole(choiceFile(), choice.toText());
}

PlayerSetup Profile::readPlayers() const {
    const filestore::ReadResult r = filestore::readRegularFile(playersFile());
    // A few short lines; anything much longer is not ours.
    return r.isRead() && r.bytes.size() < 4096 ? PlayerSetup::fromText(r.bytes) : PlayerSetup();
}

QString Profile::savePlayers(const PlayerSetup& players) {
    ensureConfigFolder();
    return filestore::writeWhole(playersFile(), players.toText());
}
