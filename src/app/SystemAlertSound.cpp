#include "app/SystemAlertSound.h"

#include <QApplication>

#ifdef _WIN32
#include <windows.h>

unsigned BoxSound(TAlertKind kind) {
    switch (kind) {
    case TAlertKind::Warning:
        return MB_ICONEXCLAMATION;
    case TAlertKind::Question:
        return MB_ICONQUESTION;
    case TAlertKind::Information:
        return MB_ICONASTERISK;
    case TAlertKind::Error:
        break;
    }
    return MB_ICONHAND;
}

void TSystemAlertSound::Play(TAlertKind kind) const {
    MessageBeep(BoxSound(kind));
}
#else
void TSystemAlertSound::Play(TAlertKind) const {
    QApplication::beep();
}
#endif
