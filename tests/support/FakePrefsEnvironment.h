#pragma once

#include "model/prefs/Global.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A preferences store in memory that logs every write in order.
class TMemoryPrefsStore : public TPrefsStore {
public:
    std::map<std::string, std::string, std::less<>> Values;
    std::vector<std::pair<std::string, std::string>> Writes;

    std::optional<std::string> ReadValue(std::string_view name) const override {
        const auto found = Values.find(name);
        return found == Values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    void WriteValue(std::string_view name, const std::string& value) override {
        Values[std::string(name)] = value;
        Writes.emplace_back(name, value);
    }
};

// A machine whose host key and host folders the test decides.
class TFakeHostLocator : public THostLocator {
public:
    std::optional<std::string> HostKey;
    std::set<std::string> HostFolders;

    std::optional<std::string> ReadHostKey() const override { return HostKey; }
    bool HoldsHost(const std::string& folder) const override { return HostFolders.count(folder) > 0; }
};

// Both fakes and the warnings shown, wired into one environment.
struct TFakePrefsEnvironment {
    TMemoryPrefsStore Store;
    TFakeHostLocator Host;
    std::vector<std::string> Warnings;

    TPrefsEnvironment Environment() {
        return {&Store, &Host, [this](const std::string& text) { Warnings.push_back(text); }};
    }
};
