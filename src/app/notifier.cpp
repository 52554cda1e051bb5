#include "app/notifier.h"

#include <QMessageBox>

namespace {
const QString kCaption = QStringLiteral("SCARA");
}

void MessageBoxNotifier::notify(const QString& text) {
    QMessageBox box(QMessageBox::Information, kCaption, text, QMessageBox::Ok, owner_);
    box.exec();
}

void MessageBoxNotifier::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, kCaption, text, QMessageBox::Ok, owner_);
    box.exec();
}
