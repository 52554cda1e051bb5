#include "app/stationdialogs.h"

#include <QColorDialog>
#include <QFileDialog>

namespace {
QFileDialog* makeFileDialog(QWidget* owner, const char* name, QFileDialog::AcceptMode mode,
                            const QString& filter) {
    auto* dialog = new QFileDialog(owner);
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setAcceptMode(mode);
    dialog->setNameFilter(filter);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    // The station replaces an existing file without asking.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    return dialog;
}
} // namespace

WindowDialogs::WindowDialogs(QWidget* owner)
    : QObject(nullptr), openDialog_(makeFileDialog(owner, "OpenDialog1", QFileDialog::AcceptOpen,
                                                   QStringLiteral("cnc (*.nc)"))),
      saveProgramDialog_(makeFileDialog(owner, "SaveDialog2", QFileDialog::AcceptSave,
                                        QStringLiteral("cnc (*.nc)"))),
      savePictureDialog_(makeFileDialog(owner, "SaveDialog1", QFileDialog::AcceptSave,
                                        QStringLiteral("Bitmapy (*.bmp)"))),
      colourDialog_(new QColorDialog(Qt::black, owner)) {
    savePictureDialog_->setDefaultSuffix(QStringLiteral("bmp"));
    colourDialog_->setObjectName(QStringLiteral("ColorDialog1"));
}

QString WindowDialogs::runFileDialog(QFileDialog* dialog) {
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

QString WindowDialogs::openProgramFile() {
    return runFileDialog(openDialog_);
}

QString WindowDialogs::saveProgramFile() {
    return runFileDialog(saveProgramDialog_);
}

QString WindowDialogs::savePictureFile() {
    return runFileDialog(savePictureDialog_);
}

std::optional<QColor> WindowDialogs::chooseColour() {
    if (colourDialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    return colourDialog_->selectedColor();
}
