#include "DialogRecorder.h"

namespace {
TDialogRecorder* ActiveRecorder = nullptr;
}

TDialogRecorder::TDialogRecorder() : FPrevious(ActiveRecorder) {
    ActiveRecorder = this;
}

TDialogRecorder::~TDialogRecorder() {
    ActiveRecorder = FPrevious;
}

void TDialogRecorder::AnswerNext(const QString& answer) {
    FAnswers.emplace_back(answer);
}

void TDialogRecorder::CancelNext() {
    FAnswers.emplace_back(std::nullopt);
}

TDialogRecorder* TDialogRecorder::Active() {
    return ActiveRecorder;
}

std::optional<QString> TDialogRecorder::Respond(TDialogRequest request) {
    FRequests.push_back(std::move(request));
    if (FAnswers.empty())
        return std::nullopt;
    std::optional<QString> answer = std::move(FAnswers.front());
    FAnswers.pop_front();
    return answer;
}
