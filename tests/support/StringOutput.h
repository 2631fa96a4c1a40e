#pragma once

#include "model/format/InOutError.h"
#include "model/format/TextOutput.h"

#include <string>

// Collects written lines as the file's bytes; optionally fails like a full disk after some lines.
class TStringOutput : public TTextOutput {
public:
    explicit TStringOutput(int failAfterLines = -1) : FLinesLeft(failAfterLines) {}

    void WriteLine(std::string_view line) override {
        if (FLinesLeft == 0)
            throw EInOutError(EInOutError::DiskFull);
        if (FLinesLeft > 0)
            --FLinesLeft;
        Bytes.append(line).append("\r\n");
    }

    std::string Bytes;

private:
    int FLinesLeft;
};
