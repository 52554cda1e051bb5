#include "app/stationdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {
const QString kProgramFilter = QStringLiteral("cnc (*.nc)");
const QString kPictureFilter = QStringLiteral("Bitmapy (*.bmp)");
} // namespace

WindowDialogs::WindowDialogs(QWidget* owner) : QObject(nullptr), owner_(owner) {}

QString WindowDialogs::runFileDialog(QFileDialog*& dialog, const char* name, bool save,
                                     const QString& filter, const QString& suffix) {
    if (!dialog) {
        dialog = new QFileDialog(owner_);
        dialog->setObjectName(QString::fromLatin1(name));
        dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setNameFilter(filter);
        dialog->setDefaultSuffix(suffix);
        // The station replaces an existing file without asking.
        dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    }
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

bool WindowDialogs::confirm(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("SCARA"), question,
                    QMessageBox::Yes | QMessageBox::No, owner_);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString WindowDialogs::openProgramFile() {
    return runFileDialog(openDialog_, "OpenDialog1", false, kProgramFilter);
}

QString WindowDialogs::saveProgramFile() {
    return runFileDialog(saveProgramDialog_, "SaveDialog2", true, kProgramFilter);
}

QString WindowDialogs::savePictureFile() {
    return runFileDialog(savePictureDialog_, "SaveDialog1", true, kPictureFilter,
                         QStringLiteral("bmp"));
}

std::optional<QColor> WindowDialogs::chooseColour() {
    if (!colourDialog_) {
        colourDialog_ = new QColorDialog(Qt::black, owner_);
        colourDialog_->setObjectName(QStringLiteral("ColorDialog1"));
    }
    if (colourDialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    return colourDialog_->selectedColor();
}
