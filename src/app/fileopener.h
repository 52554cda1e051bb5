#pragma once

#include "app/filekind.h"

#include <QObject>
#include <QStringList>

#include <functional>

class MainWindow;

// Opens files named on the command line, dropped on the main window or
// chosen in "Ostatnie pliki", each where its kind belongs (DetectFileKind):
// a G-code program replaces the main window's program (after asking about
// unsaved edits), an HPGL plot file goes to the converter, an SVG drawing to
// the drawing import. Errors reach the operator through the main window's
// notifier.
class FileOpener : public QObject {
    Q_OBJECT
public:
    // Opens a plot file in the converter window.
    using HpglOpener = std::function<void(const QString& fileName)>;
    // Imports an SVG drawing as the program; false when it did not.
    using SvgImporter = std::function<bool(const QString& fileName)>;

    explicit FileOpener(MainWindow& window, QObject* parent = nullptr);

    void setHpglOpener(HpglOpener opener) { openHpgl_ = std::move(opener); }
    // Until an importer is set, an SVG drawing gets the station's message
    // that it cannot be imported yet.
    void setSvgImporter(SvgImporter importer) { importSvg_ = std::move(importer); }

    // True when the file was opened.
    bool open(const QString& fileName);
    // Each in turn; a later program replaces an earlier one.
    void openAll(const QStringList& fileNames);

signals:
    // A file that no longer exists was asked for (it leaves "Ostatnie pliki").
    void missing(const QString& fileName);

private:
    MainWindow& window_;
    HpglOpener openHpgl_;
    SvgImporter importSvg_;
};
