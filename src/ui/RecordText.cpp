#include "RecordText.h"

#include "CodePageText.h"

#include <QLineEdit>
#include <QValidator>

using namespace Qt::Literals::StringLiterals;

namespace {
// Accepts everything, but hands back the text already made record text; the field then takes that
// text instead of the one typed or pasted. A character the code page lacks would otherwise be saved
// as '?' while the field still showed it.
class TRecordTextValidator : public QValidator {
public:
    TRecordTextValidator(QObject* parent, TRefusalReport report)
        : QValidator(parent), FReport(std::move(report)) {}

    State validate(QString& input, int& caret) const override {
        const TCodePageSplit before = SplitByCodePage(input.left(caret));
        const TCodePageSplit after = SplitByCodePage(input.mid(caret));
        const QString lacking = before.Lacking + after.Lacking;
        if (!lacking.isEmpty()) {
            caret = static_cast<int>(before.Kept.size());
            input = before.Kept + after.Kept;
            if (FReport)
                FReport(
                    u"\"%1\" left out: Scenery.cfg holds only the characters of the ANSI code page."_s.arg(
                        lacking));
        }
        input = SingleLine(std::move(input));
        return Acceptable;
    }

private:
    TRefusalReport FReport;
};
} // namespace

QString SingleLine(QString text) {
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n' || c == QChar::Null)
            c = u' ';
    return text;
}

QString RecordText(const QString& text) {
    return SingleLine(SplitByCodePage(text).Kept);
}

void KeepRecordText(QLineEdit* edit, TRefusalReport report) {
    edit->setValidator(new TRecordTextValidator(edit, std::move(report)));
}
