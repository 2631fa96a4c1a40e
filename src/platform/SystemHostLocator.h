#pragma once

#include "model/prefs/HostLocator.h"

#include <QString>

// The host as this machine knows it. On Windows: the host's key under HKEY_LOCAL_MACHINE (Software,
// Microsoft, Microsoft Games, Flight Simulator, 9.0) through the 32-bit registry view. Elsewhere the host
// runs under Wine: the same key in the prefix's system.reg (under Wow6432Node in a 64-bit prefix), its
// Windows path mapped to the native folder through the prefix's drive links. A path the prefix cannot reach
// counts as a key that cannot be opened.
class TSystemHostLocator : public THostLocator {
public:
#ifdef Q_OS_WIN
    TSystemHostLocator() = default;
#else
    explicit TSystemHostLocator(QString winePrefix);
#endif

    // This machine's own: Windows' registry, elsewhere the default Wine prefix.
    static TSystemHostLocator OfThisSystem();

    std::optional<std::string> ReadHostKey() const override;
    bool HoldsHost(const std::string& folder) const override;

private:
#ifndef Q_OS_WIN
    QString FWinePrefix;
#endif
};
