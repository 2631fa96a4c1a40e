#include "InfoDialogs.h"

#include "model/prefs/AlertSound.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

TBoxRecorder* ActiveRecorder = nullptr;
const TAlertSound* Sound = nullptr;

TAlertKind AlertOf(TBoxKind kind) {
    switch (kind) {
    case TBoxKind::Warning:
        return TAlertKind::Warning;
    case TBoxKind::Confirmation:
        return TAlertKind::Question;
    case TBoxKind::Information:
        return TAlertKind::Information;
    default:
        return TAlertKind::Error;
    }
}

struct TBoxLook {
    QMessageBox::Icon Icon;
    QString Title;
    bool YesNo;
};

TBoxLook LookOf(TBoxKind kind) {
    switch (kind) {
    case TBoxKind::Warning:
        return {QMessageBox::Warning, u"Warnung"_s, false};
    case TBoxKind::Confirmation:
        return {QMessageBox::Question, u"Best\u00e4tigung"_s, true};
    case TBoxKind::Report:
        return {QMessageBox::Critical, u"Quarrow"_s, false};
    case TBoxKind::Information:
        return {QMessageBox::Information, u"Info"_s, false};
    case TBoxKind::Error:
    case TBoxKind::PlainError:
        break;
    }
    return {QMessageBox::Critical, u"Fehler"_s, false};
}

// The modal box itself; true when "&Ja" closed it. Escape and the close box choose "&Nein".
bool ExecBox(const TBoxLook& look, const QString& text, bool defaultNo) {
    QMessageBox box(look.Icon, look.Title, text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* yes = nullptr;
    if (look.YesNo) {
        yes = box.addButton(u"&Ja"_s, QMessageBox::YesRole);
        QPushButton* no = box.addButton(u"&Nein"_s, QMessageBox::NoRole);
        box.setEscapeButton(no);
        box.setDefaultButton(defaultNo ? no : yes);
    } else {
        box.setDefaultButton(box.addButton(u"OK"_s, QMessageBox::AcceptRole));
    }
    box.exec();
    return yes && box.clickedButton() == yes;
}

} // namespace

void UseAlertSound(const TAlertSound& sound) {
    Sound = &sound;
}

// Reaches the recorder's private state for the box functions below.
struct TBoxRecorderAccess {
    static void Beep(TBoxKind kind) {
        if (ActiveRecorder) {
            ++ActiveRecorder->FBeeps;
            return;
        }
        if (Sound)
            Sound->Play(AlertOf(kind));
    }

    static bool Show(TBoxKind kind, const QString& text, bool defaultNo = false) {
        const TBoxLook look = LookOf(kind);
        if (!ActiveRecorder) {
            return ExecBox(look, text, defaultNo);
        }
        ActiveRecorder->FBoxes.push_back({kind, look.Title, text, defaultNo});
        if (!look.YesNo || ActiveRecorder->FAnswers.empty()) {
            return false;
        }
        const bool answer = ActiveRecorder->FAnswers.front();
        ActiveRecorder->FAnswers.erase(ActiveRecorder->FAnswers.begin());
        return answer;
    }
};

void ShowError(const QString& text) {
    TBoxRecorderAccess::Beep(TBoxKind::Error);
    TBoxRecorderAccess::Show(TBoxKind::Error, text);
}

void ShowWarning(const QString& text) {
    TBoxRecorderAccess::Beep(TBoxKind::Warning);
    TBoxRecorderAccess::Show(TBoxKind::Warning, text);
}

void ShowInformation(const QString& text) {
    TBoxRecorderAccess::Beep(TBoxKind::Information);
    TBoxRecorderAccess::Show(TBoxKind::Information, text);
}

bool AskYesNo(const QString& text) {
    TBoxRecorderAccess::Beep(TBoxKind::Confirmation);
    return TBoxRecorderAccess::Show(TBoxKind::Confirmation, text);
}

bool AskYesNoDefaultNo(const QString& text) {
    TBoxRecorderAccess::Beep(TBoxKind::Confirmation);
    return TBoxRecorderAccess::Show(TBoxKind::Confirmation, text, true);
}

void ShowPlainError(const QString& text) {
    TBoxRecorderAccess::Show(TBoxKind::PlainError, text);
}

void ShowErrorReport(const QString& failureText) {
    TBoxRecorderAccess::Show(TBoxKind::Report, failureText);
}

TBoxRecorder::TBoxRecorder() {
    ActiveRecorder = this;
}

TBoxRecorder::~TBoxRecorder() {
    ActiveRecorder = nullptr;
}

void TBoxRecorder::AnswerNext(bool yes) {
    FAnswers.push_back(yes);
}

void TBoxRecorder::Clear() {
    FBoxes.clear();
    FAnswers.clear();
    FBeeps = 0;
}
