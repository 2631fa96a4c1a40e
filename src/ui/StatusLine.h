#pragma once

#include "RecordText.h"

#include <QString>

class QStatusBar;

// The main window's status bar. A hint shows until the pointer leaves its control; the status text
// stays until replaced, and the bar's tooltip holds the whole text where the bar is too narrow for it.
class TStatusLine {
public:
    explicit TStatusLine(QStatusBar*& bar) : Bar(bar) {}
    // The hint of the control or menu item under the pointer; the status text, else the banner, where
    // there is none.
    void ShowHint(const QString& hint);
    void Set(const QString& text, const QString& wholeText = {});
    const QString& Text() const { return FText; }
    // Where the fields that feed a record say which characters they left out.
    TRefusalReport Refusals();

private:
    // The form's own pointer, filled when the form is set up.
    QStatusBar*& Bar;
    QString FText;
};
