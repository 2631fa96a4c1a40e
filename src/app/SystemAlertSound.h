#pragma once

#include "model/prefs/AlertSound.h"

// MessageBeep with the box's kind on Windows, the toolkit's beep elsewhere.
class TSystemAlertSound : public TAlertSound {
public:
    void Play(TAlertKind kind) const override;
};

#ifdef _WIN32
// The system sound a box of the kind plays before it shows (the argument of MessageBeep).
unsigned BoxSound(TAlertKind kind);
#endif
