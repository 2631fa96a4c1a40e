#include "model/library/FileStamp.h"

bool TFileStamp::SameContentAs(const TFileStamp& other) const {
    if (State != other.State || State == TState::Unreadable)
        return false;
    return State == TState::Missing || (Size == other.Size && Hash == other.Hash);
}

bool TFileStamp::SameSizeAndTimeAs(const TFileStamp& other) const {
    return State == TState::Read && other.State == TState::Read && Size == other.Size &&
           ModifiedNs == other.ModifiedNs;
}
