// scara-controller-emu: serves an emulated arm controller on the slave side
// of a pseudo-terminal until interrupted. Prints the line's path on standard
// output and every frame with its verdict on standard error.
#include "base/conversionmessages.h"
#include "base/stationlanguage.h"
#include "controller/emulator/controlleremulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// Ends the event loop on SIGINT and SIGTERM, so that the link is removed.
void quitOnSignals(QCoreApplication& app) {
    if (::pipe(signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

// Whether `path` may be replaced by the link: nothing is there, or a
// symbolic link that leads nowhere or to a pseudo-terminal (one left by an
// earlier run). Anything else is someone's file; the reason says what it is.
bool mayReplace(const QString& path, QString& reason) {
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        if (!info.exists())
            return true;
        reason = info.isDir() ? QCoreApplication::translate("ControllerEmu", "to katalog")
                              : QCoreApplication::translate("ControllerEmu", "to nie dowiązanie");
        return false;
    }
    const QString target = info.symLinkTarget();
    if (!QFileInfo::exists(target) || target.startsWith(QLatin1String("/dev/pts/")))
        return true;
    reason = QCoreApplication::translate("ControllerEmu", "to dowiązanie do %1").arg(target);
    return false;
}

// Removes the link at exit only while it is still the one this run made.
void removeOwnLink(const QString& path, const QString& portPath) {
    const QFileInfo info(path);
    if (info.isSymLink() && info.symLinkTarget() == QFileInfo(portPath).absoluteFilePath())
        QFile::remove(path);
}

int readCount(const QCommandLineParser& parser, const char* name, bool& ok) {
    if (!parser.isSet(QLatin1String(name)))
        return 0;
    bool number = false;
    const int value = parser.value(QLatin1String(name)).toInt(&number);
    if (!number || value < 0) {
        QTextStream(stderr) << ConversionMessages::notValidInteger(
                                   parser.value(QLatin1String(name)))
                            << '\n';
        ok = false;
    }
    return value;
}

void addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"link",
         QCoreApplication::translate(
             "ControllerEmu",
             "Tworzy dowiązanie symboliczne PATH do linii (zastępuje tylko dowiązanie "
             "martwe lub do pseudoterminala)."),
         "PATH"},
        {"address",
         QCoreApplication::translate("ControllerEmu", "Adres sterownika (domyślnie 05)."), "AA",
         "05"},
        {"latency", QCoreApplication::translate("ControllerEmu", "Opóźnienie potwierdzenia w ms."),
         "MS"},
        {"baud",
         QCoreApplication::translate("ControllerEmu",
                                     "Tempo obu kierunków jak na linii o tej prędkości."),
         "N"},
        {"drop", QCoreApplication::translate("ControllerEmu", "Pomija co N-te potwierdzenie."),
         "N"},
        {"duplicate",
         QCoreApplication::translate("ControllerEmu", "Wysyła co N-te potwierdzenie dwukrotnie."),
         "N"},
        {"noise",
         QCoreApplication::translate("ControllerEmu",
                                     "Wysyła wiersz szumu przed co N-tym potwierdzeniem."),
         "N"},
        {"split", QCoreApplication::translate("ControllerEmu",
                                              "Wysyła każde potwierdzenie w trzech kawałkach.")},
        {"quiet", QCoreApplication::translate("ControllerEmu", "Nie zapisuje ramek.")},
        {"executed",
         QCoreApplication::translate(
             "ControllerEmu",
             "Dopisuje do pliku FILE każdy potwierdzony wiersz programu, po kolei (co sterownik "
             "wykonał)."),
         "FILE"},
    });
}

// The emulator's options as given; `ok` turns false on a bad count.
EmulatorOptions readOptions(const QCommandLineParser& parser, bool& ok) {
    EmulatorOptions options;
    options.address = parser.value(QStringLiteral("address")).toLatin1();
    options.latency = std::chrono::milliseconds(readCount(parser, "latency", ok));
    options.baudRate = readCount(parser, "baud", ok);
    options.dropEvery = readCount(parser, "drop", ok);
    options.duplicateEvery = readCount(parser, "duplicate", ok);
    options.noiseEvery = readCount(parser, "noise", ok);
    options.splitAcks = parser.isSet(QStringLiteral("split"));
    options.keepHistory = false;
    options.executedFile = parser.value(QStringLiteral("executed"));
    return options;
}

// Makes `link` point to the emulator's line; false, said, when it cannot.
bool makeLink(const QString& link, const QString& portPath) {
    if (QString reason; !mayReplace(link, reason)) {
        QTextStream(stderr) << QCoreApplication::translate("ControllerEmu",
                                                           "Nie można utworzyć dowiązania %1: %2 "
                                                           "(usuń je lub wybierz inną ścieżkę)")
                                   .arg(link, reason)
                            << '\n';
        return false;
    }
    QFile::remove(link); // a link left by an earlier run
    if (!QFile::link(portPath, link)) {
        QTextStream(stderr) << QCoreApplication::translate("ControllerEmu",
                                                           "Nie można utworzyć dowiązania %1")
                                   .arg(link)
                            << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("scara-controller-emu"));
    UseLanguage(ResolveLanguage(LanguageChoice::System));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ControllerEmu",
        "Emulator sterownika ramienia SCARA na pseudoterminalu: potwierdza każdą poprawną "
        "ramkę, zapisuje każdą ramkę z oceną."));
    parser.addHelpOption();
    addOptions(parser);
    parser.process(app);

    bool ok = true;
    const EmulatorOptions options = readOptions(parser, ok);
    if (!ok)
        return 2;

    ControllerEmulator emulator(options);
    if (Status started = emulator.start(); !started) {
        QTextStream(stderr) << started.error() << '\n';
        return 1;
    }
    const QString link = parser.value(QStringLiteral("link"));
    if (!link.isEmpty() && !makeLink(link, emulator.portPath()))
        return 1;
    QTextStream(stdout) << (link.isEmpty() ? emulator.portPath() : link) << Qt::endl;

    if (!parser.isSet(QStringLiteral("quiet"))) {
        QObject::connect(&emulator, &ControllerEmulator::frameChecked,
                         [](const EmulatorLogEntry& entry) {
                             QTextStream(stderr) << ControllerEmulator::describe(entry) << Qt::endl;
                         });
    }
    quitOnSignals(app);
    const int code = app.exec();
    if (!link.isEmpty())
        removeOwnLink(link, emulator.portPath());
    return code;
}
