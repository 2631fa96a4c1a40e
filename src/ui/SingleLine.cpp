#include "SingleLine.h"

#include <QLineEdit>
#include <QValidator>

namespace {
// Accepts everything, but hands back the text with the line breaks and NULs already blanked; the
// field then takes that text instead of the one typed or pasted.
class TSingleLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = SingleLine(std::move(input));
        return Acceptable;
    }
};
} // namespace

QString SingleLine(QString text) {
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == QChar::Null)
            c = u' ';
    return text;
}

void KeepSingleLine(QLineEdit* edit) {
    edit->setValidator(new TSingleLineValidator(edit));
}
