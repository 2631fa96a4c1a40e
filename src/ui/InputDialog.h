#pragma once

#include "DialogForm.h"
#include "RecordText.h"

#include <QString>
#include <memory>

namespace Ui {
class TInputDialogForm;
}

// Asks for one line of text: the prompt beside the field, the caption in the title bar. Returns the
// text on OK and empty text on cancel, as record text (see RecordText); characters the field leaves out
// are reported.
QString ShowInputDialog(const QString& prompt, const QString& caption, const QString& initial = QString(),
                        TRefusalReport report = {});

// The one-line prompt window: a fixed, always-on-top dialog whose field starts just right of the
// prompt, however long the prompt is, and ends where the form puts it.
class TInputDialogForm : public TFormDialog {
    Q_OBJECT
public:
    TInputDialogForm(const QString& prompt, const QString& caption, const QString& initial,
                     TRefusalReport report = {}, QWidget* parent = nullptr);
    ~TInputDialogForm() override;

    QString Text() const;

public slots:
    void FormShow() override;

private:
    std::unique_ptr<Ui::TInputDialogForm> ui;
};
