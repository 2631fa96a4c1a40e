#include "CfgVerb.h"

#include "model/document/DocumentCommands.h"
#include "model/format/InOutError.h"
#include "model/format/ProfileFile.h"
#include "model/format/UnreadSections.h"
#include "model/library/ConfigurationFile.h"
#include "platform/SystemFileAccess.h"

#include <cstdio>

namespace {

// Both names are matched as the host matches them: a scenery.cfg must not read as an empty library
// under the name Scenery.cfg, nor get a second library written beside it. What the reader leaves out
// of IN is lost in OUT, so that is written only when asked for.
int RoundTrip(const std::string& inAsGiven, const std::string& outAsGiven, bool renumber, bool yes) {
    const TSystemFileAccess files;
    const std::string in = files.ExistingSpelling(inAsGiven), out = files.ExistingSpelling(outAsGiven);
    const TProfileRead read = files.ReadProfile(in);
    if (!read.Failure.empty())
        return Fail("cannot read " + in + ": " + read.Failure);
    TSceneryDocument document = ReadDocument(*read.Profile);
    const std::string unread = UnreadNotice(FindUnreadSections(*read.Profile), in, read.Stamp.Size);
    if (!unread.empty()) {
        std::fprintf(stderr, "quarrow-cfg: %s\n", unread.c_str());
        if (!yes) {
            std::fprintf(stderr, "quarrow-cfg: %s not written; --yes writes it all the same.\n", out.c_str());
            return 1;
        }
    }
    if (renumber)
        document = RenumberAreas(document, {}).Document;
    try {
        WriteConfiguration(files, out, &document.General, document.AreaPointers());
    } catch (const EInOutError& error) {
        std::fprintf(stderr, "quarrow-cfg: cannot write %s: %s (code %d)\n", out.c_str(),
                     error.Reason().c_str(), error.Code());
        return 1;
    }
    return 0;
}

int RunRoundTrip(const std::vector<std::string>& arguments) {
    std::vector<std::string> files = arguments;
    bool renumber = false, yes = false;
    for (; !files.empty() && (files[0] == "--renumber" || files[0] == "--yes"); files.erase(files.begin()))
        (files[0] == "--yes" ? yes : renumber) = true;
    return files.size() == 2 ? RoundTrip(files[0], files[1], renumber, yes) : UsageError;
}

} // namespace

const TCfgVerb RoundTripVerb{
    "roundtrip", "[--renumber] [--yes] IN OUT",
    "  roundtrip reads IN ([General], then areas 0 to 1999) and writes OUT in the program's form.\n"
    "  --renumber  set each area's number and layer to its 1-based position, as saving does\n"
    "  --yes       write OUT even when IN holds areas the program does not show (numbered 2000\n"
    "              or above, without Local Path) or is no library: OUT is written without them\n"
    "  Exit status: 0 done, 1 OUT not written (it is left as it was: it could not be written, or\n"
    "  IN holds what OUT would lose and --yes was not given), 2 usage or IN exists but could not\n"
    "  be read (a missing IN reads as an empty library).\n"
    "  Every file name is matched as Windows matches it: an existing file whose name differs only\n"
    "  in letter case is the one read or replaced.\n",
    RunRoundTrip};
