#include "app/companionwindows.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {
// A stand-in window with the right name and caption until the window's own
// class is built into the station.
std::unique_ptr<QWidget> placeholder(const char* name, const QString& caption, QSize size) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->resize(size);
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(caption, window.get()), 0, Qt::AlignCenter);
    window->hide();
    return window;
}
} // namespace

std::unique_ptr<QWidget> CreateVisualisationWindow() {
    auto window = placeholder("TForm2", QStringLiteral("Wizualizacja SCARA"), QSize(1024, 512));
    window->move(0, 0);
    return window;
}

std::unique_ptr<QWidget> CreateConverterWindow() {
    return placeholder("TForm3", QStringLiteral("HPGL -> GCODE "), QSize(500, 450));
}
