#include "DialogCloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace bench {

namespace {
void answer(QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (!box)
        return dialog->reject();
    QAbstractButton* button = box->escapeButton();
    if (!button)
        button = box->defaultButton();
    button->click();
}
} // namespace

DialogCloser::DialogCloser(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

// Answered from the dialog's own event loop, once it runs: a dialog closed before its loop has
// started would leave the loop waiting.
bool DialogCloser::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (event->type() == QEvent::Show && dialog && dialog->isModal())
        QTimer::singleShot(0, dialog, [dialog] { answer(dialog); });
    return false;
}

} // namespace bench
