#include "questionsets.h"

#include "profile.h"
#include "textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {
// Enough for any "#name: …" line the game shows (kMaxSetNameLength characters, even in UTF-16).
constexpr qint64 kFirstLineBytes = 1024;

// The name on a set's first line, or empty; reads kFirstLineBytes at most.
QString nameOnFirstLine(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = f.read(kFirstLineBytes);
    QString name;
    textcodec::forEachLine(head, [&name](int number, QStringView line) {
        if (number == 1) name = setNameFromLine(line);
    });
    return name;
}

QuestionSet describe(const QString& path, QuestionSet::Origin origin) {
    QuestionSet set;
    set.path = path;
    set.origin = origin;
    // A pipe in the folder would block the reading of its first line for ever.
    if (QFileInfo(path).isFile()) set.name = nameOnFirstLine(path);
    if (set.name.isEmpty()) set.name = QFileInfo(path).completeBaseName();
    return set;
}

bool byName(const QuestionSet& a, const QuestionSet& b) {
    const int c = a.name.compare(b.name, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.path < b.path;
}
} // namespace

QuestionSets QuestionSets::find(const QString& bankPath, const QString& programSets,
                                const QString& userSets) {
    QuestionSets found;
    found.sets_.push_back(describe(bankPath, QuestionSet::Origin::ProgramBank));
    // The same folder reached twice (a link, or both paths alike) lists its sets once.
    QSet<QString> seen{QFileInfo(bankPath).canonicalFilePath()};
    for (const auto& [folder, origin] : {std::pair{programSets, QuestionSet::Origin::ProgramFolder},
                                         std::pair{userSets, QuestionSet::Origin::UserFolder}}) {
        if (folder.isEmpty()) continue;
        const QDir dir(folder);
        std::vector<QuestionSet> group;
        for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.dat")}, QDir::Files)) {
            if (!info.isFile()) continue;
            const QString canonical = info.canonicalFilePath();
            if (seen.contains(canonical)) continue;
            seen.insert(canonical);
            group.push_back(describe(info.filePath(), origin));
        }
        std::sort(group.begin(), group.end(), byName);
        found.sets_.insert(found.sets_.end(), group.begin(), group.end());
    }
    return found;
}

const QuestionSet& QuestionSets::chosen(const QString& path, const QString& name) const {
    if (path.isEmpty()) return bank();
    const QString wanted = QDir::cleanPath(path);
    for (const QuestionSet& s : sets_)
        if (QDir::cleanPath(s.path) == wanted) return s;
    for (const QuestionSet& s : sets_)
        if (!name.isEmpty() && s.name == name) return s;
    return bank();
}

QuestionSetLoad loadQuestionSet(const QuestionSet& set, Deck& deck) {
    QuestionSetLoad load;
    const filestore::ReadResult file = filestore::readRegularFile(set.path);
    load.isRead = file.isRead();
    load.isMissing = file.status == filestore::ReadResult::Status::Missing;
    if (!load.isRead) {
        load.error = load.isMissing ? QStringLiteral("No such file or directory") : file.error;
        return load;
    }
    load.report = deck.loadFile(file.bytes);
    return load;
}
