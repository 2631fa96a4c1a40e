#include "platform/ProfileFolder.h"

#include "model/library/ConfigurationFile.h"
#include "platform/CaseBlindNames.h"
#include "platform/FileTextOutput.h"
#include "platform/RestorePointFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Extension = u".sas"_s;

// Windows hands a name back as it was asked for: the listing has it as the file spells it.
QString SpeltOnDisk(const QFileInfo& file) {
    for (const QString& entry : file.dir().entryList(QDir::Files | QDir::Hidden))
        if (CaseBlindKey(entry) == CaseBlindKey(file.fileName()))
            return entry;
    return file.fileName();
}

TStoredProfile Stored(const QFileInfo& file) {
    return {file.fileName().chopped(Extension.size()).toLocal8Bit().toStdString(),
            QDir::toNativeSeparators(file.filePath()).toLocal8Bit().toStdString(),
            file.lastModified().toString(u"yyyy-MM-dd HH:mm:ss"_s).toStdString()};
}

} // namespace

TProfileFolder::TProfileFolder(QString folder) : FFolder(std::move(folder)) {}

QString TProfileFolder::LibraryFolder(const std::string& library) const {
    return FFolder + u'/' + LibraryFolderName(library);
}

QString TProfileFolder::ProfileFile(const std::string& library, const std::string& name) const {
    return ExistingFileSpelling(LibraryFolder(library) + u'/' + QString::fromLocal8Bit(name) + Extension);
}

// Equal times in name order, so that the list does not change between two looks.
std::vector<TStoredProfile> TProfileFolder::List(const std::string& library) const {
    QFileInfoList files =
        QDir(LibraryFolder(library)).entryInfoList({u"*"_s + Extension}, QDir::Files | QDir::Hidden);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& one, const QFileInfo& two) {
        return one.lastModified() > two.lastModified();
    });
    std::vector<TStoredProfile> profiles;
    for (const QFileInfo& file : files)
        profiles.push_back(Stored(file));
    return profiles;
}

std::optional<TStoredProfile> TProfileFolder::Find(const std::string& library,
                                                   const std::string& name) const {
    const QFileInfo file(ProfileFile(library, name));
    return file.isFile() ? std::optional(Stored(file)) : std::nullopt;
}

void TProfileFolder::Save(const std::string& library, const std::string& name,
                          std::span<const TArea* const> areas) const {
    QDir().mkpath(LibraryFolder(library));
    TFileTextOutput output(ProfileFile(library, name));
    WriteConfigurationTo(output, nullptr, areas);
}

std::string TProfileFolder::Rename(const std::string& library, const std::string& from,
                                   const std::string& to) const {
    const QString source = ProfileFile(library, from);
    const QString target = ProfileFile(library, to);
    // Another spelling of the same name is the same profile: that rename only changes its letter case.
    if (QFileInfo::exists(target) && source.compare(target, Qt::CaseInsensitive) != 0)
        return "a profile named " + SpeltOnDisk(QFileInfo(target)).chopped(Extension.size()).toStdString() +
               " exists";
    const QString wanted = LibraryFolder(library) + u'/' + QString::fromLocal8Bit(to) + Extension;
    QFile file(source);
    return file.rename(wanted) ? std::string() : file.errorString().toStdString();
}

std::string TProfileFolder::Delete(const std::string& library, const std::string& name) const {
    QFile file(ProfileFile(library, name));
    return file.remove() ? std::string() : file.errorString().toStdString();
}
