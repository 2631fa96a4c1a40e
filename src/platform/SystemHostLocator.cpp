#include "platform/SystemHostLocator.h"

#include "platform/HostTest.h"

#include <QSettings>

#ifndef Q_OS_WIN
#include "platform/WinePaths.h"
#include "platform/WineRegistry.h"
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

std::string LocalBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

const QString HostValueName = u"EXE Path"_s;

} // namespace

#ifdef Q_OS_WIN

// QSettings creates no key by reading, but cannot tell a missing key from an empty one: ask its parent.
std::optional<std::string> TSystemHostLocator::ReadHostKey() const {
    const QString parentKey = u"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Microsoft Games\\Flight Simulator"_s;
    const QSettings parent(parentKey, QSettings::Registry32Format);
    if (!parent.childGroups().contains(u"9.0"_s, Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const QSettings key(parentKey + u"\\9.0"_s, QSettings::Registry32Format);
    return LocalBytes(key.value(HostValueName).toString());
}

#else

TSystemHostLocator::TSystemHostLocator(QString winePrefix) : FWinePrefix(std::move(winePrefix)) {}

std::optional<std::string> TSystemHostLocator::ReadHostKey() const {
    const QString key = u"Microsoft\\Microsoft Games\\Flight Simulator\\9.0"_s;
    const auto value =
        ReadWineRegistryString(FWinePrefix + u"/system.reg"_s,
                               {u"Software\\Wow6432Node\\"_s + key, u"Software\\"_s + key}, HostValueName);
    if (!value) {
        return std::nullopt;
    }
    if (value->isEmpty()) {
        return std::string();
    }
    const auto folder = WindowsToNativePath(FWinePrefix, *value);
    if (!folder) {
        return std::nullopt;
    }
    return LocalBytes(*folder);
}

#endif

bool TSystemHostLocator::HoldsHost(const std::string& folder) const {
    return FolderHoldsHost(QString::fromLocal8Bit(folder.data(), static_cast<qsizetype>(folder.size())));
}

TSystemHostLocator TSystemHostLocator::OfThisSystem() {
#ifdef Q_OS_WIN
    return {};
#else
    return TSystemHostLocator(DefaultWinePrefix());
#endif
}
