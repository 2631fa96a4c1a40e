#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

enum class TDialogKind { Input, Folder, OpenFile, SaveFile };

// What a dialog was asked to show: its title, the prompt (input dialog only) and what it starts with
// (the text, the folder, or the file name with its folder).
struct TDialogRequest {
    TDialogKind Kind;
    QString Title;
    QString Prompt;
    QString Initial;
};

// Test seam for the input dialog and the pickers: while a recorder exists no dialog is shown; each
// request is recorded and answered with the next queued answer (cancel when none is queued).
class TDialogRecorder {
public:
    TDialogRecorder();
    ~TDialogRecorder();
    TDialogRecorder(const TDialogRecorder&) = delete;
    TDialogRecorder& operator=(const TDialogRecorder&) = delete;

    // The text, folder or full file name the next dialog ends with, as if confirmed.
    void AnswerNext(const QString& answer);
    void CancelNext();
    const std::vector<TDialogRequest>& Requests() const { return FRequests; }
    void Clear() { FRequests.clear(); }

    // The living recorder, if any; the dialogs ask it before they show themselves.
    static TDialogRecorder* Active();
    // Records the request and hands out the next answer; none means cancelled.
    std::optional<QString> Respond(TDialogRequest request);

private:
    TDialogRecorder* FPrevious;
    std::vector<TDialogRequest> FRequests;
    std::deque<std::optional<QString>> FAnswers;
};
