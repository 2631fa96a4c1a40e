#include "platform/FileCopy.h"

#include "model/format/InOutError.h"
#include "platform/FileReading.h"
#include "platform/FileTextOutput.h"

bool CopyFileReplacing(const QString& source, const QString& target) {
    const TFileBytes read = ReadRegularFile(source);
    if (read.State != TFileBytes::TState::Read)
        return false;
    try {
        TFileTextOutput output(target);
        output.WriteBytes(read.Bytes);
        output.Commit();
    } catch (const EInOutError&) {
        return false;
    }
    return true;
}
