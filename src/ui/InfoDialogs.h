#pragma once

#include <QString>
#include <vector>

// The one way the program tells the user something or asks a yes/no question: the beep of the kind,
// then a modal box with the German title and buttons.
void ShowError(const QString& text);
void ShowWarning(const QString& text);
// Tells the user something that is no fault: titled "Info".
void ShowInformation(const QString& text);
// True exactly when the user chooses "&Ja".
bool AskYesNo(const QString& text);
// The same with "&Nein" as the default button: for questions whose Yes would overwrite what another
// program wrote, so that Enter never does.
bool AskYesNoDefaultNo(const QString& text);
// The error box without the beep (settings dialog).
void ShowPlainError(const QString& text);
// The default error report for a failure no command handled: titled "Quarrow", error icon, OK.
void ShowErrorReport(const QString& failureText);

enum class TBoxKind { Error, Warning, Confirmation, PlainError, Report, Information };

class TAlertSound;
// The sound every box but the plain ones plays first; app/ gives the system's at start-up.
void UseAlertSound(const TAlertSound& sound);

struct TShownBox {
    TBoxKind Kind;
    QString Title;
    QString Text;
    bool DefaultNo = false;
};

// Test seam: while a recorder exists no box is shown; each is recorded and a question is answered
// with the next queued answer (No when none is queued).
class TBoxRecorder {
public:
    TBoxRecorder();
    ~TBoxRecorder();
    TBoxRecorder(const TBoxRecorder&) = delete;
    TBoxRecorder& operator=(const TBoxRecorder&) = delete;

    void AnswerNext(bool yes);
    const std::vector<TShownBox>& Boxes() const { return FBoxes; }
    int Beeps() const { return FBeeps; }
    void Clear();

private:
    friend struct TBoxRecorderAccess;
    std::vector<TShownBox> FBoxes;
    std::vector<bool> FAnswers;
    int FBeeps = 0;
};
