#pragma once

#include "model/TextOutput.h"

#include <QSaveFile>
#include <QString>

// A text file written beside the old one and put in its place only by Commit, so a failure part way
// leaves the old file whole. Every failure throws EInOutError; a destroyed, uncommitted output
// discards what it wrote.
class TFileTextOutput : public TTextOutput {
public:
    explicit TFileTextOutput(const QString& path);
    void WriteLine(std::string_view line) override;
    void Commit();

private:
    [[noreturn]] void Fail(int errorNumber);
    QSaveFile FFile;
};
