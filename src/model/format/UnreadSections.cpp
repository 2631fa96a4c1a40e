#include "model/format/UnreadSections.h"

#include "model/format/CountText.h"
#include "model/format/ProfileFile.h"
#include "model/format/QuarrowTypes.h"

#include <vector>

namespace {

constexpr std::string_view AreaPrefix = "Area.";

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

// The number of "Area.<digits>"; -1 for any other name. Numbers past the limit all count as one past it.
int AreaNumber(std::string_view name) {
    const std::string_view digits = name.substr(AreaPrefix.size());
    if (digits.empty())
        return -1;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        number = number > LastAreaNumber ? number : number * 10 + (c - '0');
    }
    return number;
}

} // namespace

// Each section the sweep would read as area n is the first of the name it asks for; any other area
// section, repeated or spelt otherwise, is never read.
TUnreadSections FindUnreadSections(const TProfileFile& file) {
    TUnreadSections unread;
    std::vector<int> seen(static_cast<std::size_t>(LastAreaNumber) + 1, 0);
    for (const std::string& name : file.SectionNames()) {
        if (EqualIgnoringCase(name, "General"))
            unread.NoLibrarySection = false;
        if (!EqualIgnoringCase(std::string_view(name).substr(0, AreaPrefix.size()), AreaPrefix))
            continue;
        unread.NoLibrarySection = false;
        const int number = AreaNumber(name);
        if (number > LastAreaNumber)
            ++unread.AboveLimit;
        else if (number < 0 || !EqualIgnoringCase(name, AreaSectionName(number)) || seen[number]++)
            ++unread.OtherName;
        else
            unread.WithoutLocalPath += file.ReadString(name, "Local", "").empty();
    }
    return unread;
}

std::string UnshownAreasNotice(const TUnreadSections& sections, const std::string& fileName) {
    const int count = sections.Areas();
    if (count == 0)
        return {};
    std::string reasons;
    for (const auto& [number, reason] : {std::pair{sections.AboveLimit, "numbered 2000 or above"},
                                         std::pair{sections.WithoutLocalPath, "without Local Path"},
                                         std::pair{sections.OtherName, "with a repeated or malformed name"}})
        if (number > 0)
            reasons += (reasons.empty() ? "" : " / ") + std::string(reason);
    return Counted(count, "area", "areas") + " of " + fileName + (count == 1 ? " is" : " are") +
           " not shown (" + reasons + "): a save removes " + (count == 1 ? "it." : "them.");
}

std::string UnshownAreasQuestion(const TUnreadSections& sections, const std::string& fileName) {
    return "Saving removes " + Counted(sections.Areas(), "area", "areas") +
           " that Quarrow does not show from " + fileName + ". Save anyway?";
}

std::string NotALibraryNotice(const std::string& fileName, std::uint64_t size) {
    return fileName + " is not a scenery library: " + Counted(size, "byte", "bytes") +
           " without a [General] section or an area.";
}

std::string UnreadNotice(const TUnreadSections& sections, const std::string& fileName, std::uint64_t size) {
    return sections.NoLibrarySection && size > 0 ? NotALibraryNotice(fileName, size)
                                                 : UnshownAreasNotice(sections, fileName);
}
