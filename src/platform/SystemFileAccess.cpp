#include "platform/SystemFileAccess.h"

#include "platform/FileCopy.h"
#include "platform/FileReading.h"
#include "platform/FileTextOutput.h"
#include "platform/IniProfile.h"

namespace {

QString NativePath(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

} // namespace

TProfileRead TSystemFileAccess::ReadProfile(const std::string& path) const {
    TFileBytes read = ReadRegularFile(NativePath(path));
    return {TIniProfile::FromBytes(std::move(read.Bytes)), std::move(read.Failure)};
}

std::unique_ptr<TCommittingOutput> TSystemFileAccess::CreateOutput(const std::string& path) const {
    return std::make_unique<TFileTextOutput>(NativePath(path));
}

bool TSystemFileAccess::CopyReplacing(const std::string& source, const std::string& target) const {
    return CopyFileReplacing(NativePath(source), NativePath(target));
}
