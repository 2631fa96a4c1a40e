#include "platform/RestorePointFolder.h"

#include "model/format/InOutError.h"
#include "platform/FileTextOutput.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

namespace {

// The end of a path tells most: which host folder and which file.
constexpr qsizetype ReadableLength = 80;

struct TPointName {
    QString FileName;
    QString Stamp;
    int Clash = 1;
    bool Pending = false;

    auto Key() const { return std::tuple(Stamp, Clash, Pending); }
};

QString PointFileName(const QString& stamp, int clash, bool pending) {
    return stamp + (clash > 1 ? u" (%1)"_s.arg(clash) : QString()) + (pending ? u" pending"_s : QString()) +
           u".cfg"_s;
}

// The points of one folder, newest first: within one second, the higher clash number.
std::vector<TPointName> PointNames(const QString& folder) {
    static const QRegularExpression pattern(
        u"^(\\d{4}-\\d{2}-\\d{2} \\d{2}-\\d{2}-\\d{2})(?: \\((\\d+)\\))?( pending)?\\.cfg$"_s);
    std::vector<TPointName> names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (match.hasMatch())
            names.push_back({name, match.captured(1), match.hasCaptured(2) ? match.captured(2).toInt() : 1,
                             match.hasCaptured(3)});
    }
    std::sort(names.begin(), names.end(),
              [](const TPointName& one, const TPointName& two) { return one.Key() > two.Key(); });
    return names;
}

// "2026-12-09 23-41-07" as people read it, with its clash number.
std::string ShownTime(const TPointName& name) {
    QString shown = name.Stamp;
    shown[13] = u':';
    shown[16] = u':';
    if (name.Clash > 1)
        shown += u" (%1)"_s.arg(name.Clash);
    return shown.toStdString();
}

std::string WriteWhole(const QString& path, const std::string& bytes) {
    try {
        TFileTextOutput output(path);
        output.WriteBytes(bytes);
        output.Commit();
        return {};
    } catch (const EInOutError& error) {
        return error.what();
    }
}

// Windows names one file in any letter case and with either separator: one library, one folder (its
// file system takes the readable part in any letter case too).
QString LibraryKey(const QString& path) {
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(path).toCaseFolded();
#else
    return path;
#endif
}

} // namespace

TRestorePointFolder::TRestorePointFolder(QString folder, std::function<QDateTime()> clock)
    : FFolder(std::move(folder)), FClock(std::move(clock)) {}

QString LibraryFolderName(const std::string& library) {
    const QString path = QString::fromLocal8Bit(library);
    static const QRegularExpression unsafe(u"[\\\\/:*?\"<>|\\x00-\\x1f]+"_s);
    static const QRegularExpression edges(u"^[_ .]+|[_ .]+$"_s);
    QString readable = QString(path).replace(unsafe, u"_"_s).right(ReadableLength).remove(edges);
    const QByteArray digest =
        QCryptographicHash::hash(LibraryKey(path).toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return readable + u' ' + QString::fromLatin1(digest);
}

QString TRestorePointFolder::LibraryFolder(const std::string& library) const {
    return FFolder + u'/' + LibraryFolderName(library);
}

// A clash number is never used twice in one second, so a point kept after the oldest went is still the
// newest; and the point just kept is never the one that goes, even when the clock went back.
std::string TRestorePointFolder::Keep(const std::string& library, const std::string& bytes,
                                      bool pending) const {
    const QString folder = LibraryFolder(library);
    if (!QDir().mkpath(folder))
        return "the folder " + QDir::toNativeSeparators(folder).toStdString() + " could not be made";
    const QString stamp = FClock().toString(u"yyyy-MM-dd HH-mm-ss"_s);
    int clash = 1;
    for (const TPointName& name : PointNames(folder))
        if (name.Stamp == stamp)
            clash = std::max(clash, name.Clash + 1);
    const QString fileName = PointFileName(stamp, clash, pending);
    if (std::string failure = WriteWhole(folder + u'/' + fileName, bytes); !failure.empty())
        return failure;
    std::vector<TPointName> names = PointNames(folder);
    std::erase_if(names, [&fileName](const TPointName& name) { return name.FileName == fileName; });
    for (std::size_t i = KeptPerLibrary - 1; i < names.size(); ++i)
        QFile::remove(folder + u'/' + names[i].FileName);
    return {};
}

std::vector<TRestorePoint> TRestorePointFolder::List(const std::string& library) const {
    const QString folder = LibraryFolder(library);
    std::vector<TRestorePoint> points;
    for (const TPointName& name : PointNames(folder))
        points.push_back({QDir::toNativeSeparators(folder + u'/' + name.FileName).toLocal8Bit().toStdString(),
                          ShownTime(name), name.Pending});
    return points;
}
