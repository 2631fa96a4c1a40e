#pragma once

#include "model/document/SceneryDocument.h"

#include <string>
#include <unordered_map>
#include <vector>

class TFolderCheck;

// The check's answer for each Local Path text, asked once however many libraries hold the text: the
// libraries kept for one host folder share most of their Local Paths.
class TFolderMemo {
public:
    explicit TFolderMemo(TFolderCheck& check) : Check(check) {}

    // Each area's folder as the check resolves it, in list order.
    std::vector<std::string> Folders(const TSceneryDocument& document);

private:
    TFolderCheck& Check;
    std::unordered_map<std::string, std::string> Resolved;
};
