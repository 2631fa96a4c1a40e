#pragma once

#include "model/library/FileAccess.h"

#include <QSaveFile>
#include <QString>

// A file written beside the old one and put in its place only by Commit, once all of it has reached
// the file, so a failure part way (a full disk, a file-size limit, a removed medium) leaves the old
// file whole. Every failure throws EInOutError; a destroyed, uncommitted output discards what it wrote.
class TFileTextOutput : public TCommittingOutput {
public:
    explicit TFileTextOutput(const QString& path);
    void WriteLine(std::string_view line) override;
    void WriteBytes(std::string_view bytes);
    void Commit() override;

private:
    // Throws the report's code with the system's reason after discarding what was written.
    [[noreturn]] void Fail(int code, const QString& reason);
    QSaveFile FFile;
};
