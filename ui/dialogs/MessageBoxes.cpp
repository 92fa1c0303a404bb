#include "ui/dialogs/MessageBoxes.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(TMessageIcon icon) {
    switch (icon) {
        case TMessageIcon::Error:
            return QMessageBox::Critical;
        case TMessageIcon::Question:
            return QMessageBox::Question;
        case TMessageIcon::Information:
            break;
    }
    return QMessageBox::Information;
}

}  // namespace

void TQtMessageBoxes::Show(QWidget* parent, const QString& text, const QString& caption, TMessageIcon icon) {
    QMessageBox box(ToQt(icon), caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool TQtMessageBoxes::Ask(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}
