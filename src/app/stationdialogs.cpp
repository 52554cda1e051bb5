#include "app/stationdialogs.h"

#include "app/appmessages.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

WindowDialogs::WindowDialogs(QWidget* owner) : QObject(nullptr), owner_(owner) {}

QString WindowDialogs::runFileDialog(QFileDialog*& dialog, const char* name, bool save,
                                     const QString& filter, const QString& folder,
                                     const QString& suffix) {
    if (!dialog) {
        dialog = new QFileDialog(owner_);
        dialog->setObjectName(QString::fromLatin1(name));
        dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setNameFilter(filter);
        dialog->setDefaultSuffix(suffix);
        // The station replaces an existing file without asking.
        dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!folder.isEmpty())
            dialog->setDirectory(folder);
    }
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().constFirst();
}

QMessageBox* WindowDialogs::makeQuestionBox(const QString& question, QWidget* owner,
                                            DefaultAnswer preferred) {
    // The buttons in the station's language, whatever Qt's own texts are.
    auto* box = new QMessageBox(QMessageBox::Question, QString::fromUtf16(AppMessages::kCaption),
                                question, QMessageBox::NoButton, owner);
    box->setObjectName(QStringLiteral("ConfirmBox"));
    QPushButton* yes = box->addButton(tr("Tak"), QMessageBox::YesRole);
    QPushButton* no = box->addButton(tr("Nie"), QMessageBox::NoRole);
    box->setDefaultButton(preferred == DefaultAnswer::Yes ? yes : no);
    box->setEscapeButton(no);
    return box;
}

bool WindowDialogs::confirm(const QString& question, DefaultAnswer preferred) {
    const std::unique_ptr<QMessageBox> box(makeQuestionBox(question, owner_, preferred));
    box->exec();
    return box->buttonRole(box->clickedButton()) == QMessageBox::YesRole;
}

QString WindowDialogs::programFilters() {
    return tr("Programy G-kod (*.nc *.ngc *.gcode *.tap *.txt);;cnc (*.nc);;Wszystkie pliki (*)");
}

QString WindowDialogs::openProgramFile() {
    return runFileDialog(openDialog_, "OpenDialog1", false, programFilters(), folders_.program);
}

QString WindowDialogs::saveProgramFile() {
    return runFileDialog(saveProgramDialog_, "SaveDialog2", true, tr("cnc (*.nc)"),
                         folders_.program);
}

QString WindowDialogs::savePictureFile() {
    return runFileDialog(savePictureDialog_, "SaveDialog1", true, tr("Bitmapy (*.bmp)"),
                         folders_.picture, QStringLiteral("bmp"));
}

std::optional<QColor> WindowDialogs::chooseColour(const QColor& current) {
    if (!colourDialog_) {
        colourDialog_ = new QColorDialog(current, owner_);
        colourDialog_->setObjectName(QStringLiteral("ColorDialog1"));
    }
    colourDialog_->setCurrentColor(current);
    if (colourDialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    return colourDialog_->selectedColor();
}

StationDialogs::UnsavedAnswer WindowDialogs::askUnsavedProgram() {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf16(AppMessages::kCaption),
                    AppMessages::unsavedProgram(), QMessageBox::NoButton, owner_);
    box.setObjectName(QStringLiteral("UnsavedProgramBox"));
    QPushButton* save = box.addButton(AppMessages::saveAnswer(), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(AppMessages::discardAnswer(), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(AppMessages::cancelAnswer(), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedAnswer::Save;
    if (box.clickedButton() == discard)
        return UnsavedAnswer::Discard;
    return UnsavedAnswer::Cancel;
}

bool WindowDialogs::confirmRestoreDefaults() {
    return confirm(AppMessages::restoreDefaultsQuestion());
}
