#include "app/fileopener.h"

#include "app/appmessages.h"
#include "app/mainwindow.h"
#include "app/programcommands.h"

#include <QDir>
#include <QFileInfo>

FileOpener::FileOpener(MainWindow& window, QObject* parent) : QObject(parent), window_(window) {}

bool FileOpener::open(const QString& fileName) {
    if (!QFileInfo::exists(fileName)) {
        window_.showError(AppMessages::fileMissing(QDir::toNativeSeparators(fileName)));
        emit missing(fileName);
        return false;
    }
    switch (DetectFileKind(fileName)) {
    case FileKind::Gcode: {
        ProgramCommands* program = window_.programCommands();
        return program->mayReplaceProgram() && program->openProgramFile(fileName);
    }
    case FileKind::Hpgl:
        if (!openHpgl_)
            return false;
        openHpgl_(fileName);
        return true;
    case FileKind::Svg:
        if (!importSvg_) {
            window_.showError(AppMessages::svgImportMissing());
            return false;
        }
        return importSvg_(fileName);
    }
    return false;
}

void FileOpener::openAll(const QStringList& fileNames) {
    for (const QString& fileName : fileNames)
        open(fileName);
}
