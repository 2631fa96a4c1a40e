#include "FormLook.h"

#include <QIcon>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& form) {
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
}

void SetInfoColour(QWidget* field, bool info) {
    QPalette colours = field->palette();
    const QPalette::ColorRole source = info ? QPalette::ToolTipBase : QPalette::Base;
    colours.setColor(QPalette::Base, QPalette().color(source));
    field->setPalette(colours);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

void SetTextIfDifferent(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}
