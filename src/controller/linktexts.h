#pragma once

#include "controller/linkaction.h"

#include <QCoreApplication>
#include <QString>

// The controller link's own texts, shown by the window and printed by the
// tools. Each is translated when it is asked for.
namespace LinkTexts {
inline QString disconnected() {
    return QCoreApplication::translate("LinkTexts", "Rozłączono");
}
inline QString connected() {
    return QCoreApplication::translate("LinkTexts", "Połączono");
}
inline QString noReference() {
    return QCoreApplication::translate("LinkTexts", "Brak punktu referencyjnego");
}
inline QString referenceTravel() {
    return QCoreApplication::translate("LinkTexts", "Jazda do punktu ref.");
}
inline QString referenceDone() {
    return QCoreApplication::translate("LinkTexts", "Jazda ref. zakonczona");
}
inline QString automaticMode() {
    return QCoreApplication::translate("LinkTexts", "Sterowanie automatyczne");
}
inline QString manualMode() {
    return QCoreApplication::translate("LinkTexts", "Sterowanie ręczne");
}
inline QString transferDone() {
    return QCoreApplication::translate("LinkTexts", "Wysyłanie programu zakończone");
}
inline QString noticeCaption() {
    return QCoreApplication::translate("LinkTexts", "SCARA");
}
// `line` as the operator counts the lines of the program memo, from 1.
inline QString transferAbortedAt(int line) {
    return QCoreApplication::translate("LinkTexts", "Wysyłanie programu przerwane w linii %1")
        .arg(line);
}
inline QString resumeNeedsLink() {
    return QCoreApplication::translate(
        "LinkTexts", "Brak połączenia ze sterownikiem: połącz się, aby wznowić wysyłanie");
}

// Why a command is refused while a transfer runs or holds, or why a
// transfer cannot start.
inline QString refusedWhileSending() {
    return QCoreApplication::translate(
        "LinkTexts", "Polecenie odrzucone: trwa wysyłanie programu. W tym czasie można je tylko "
                     "wstrzymać, wznowić albo przerwać");
}
inline QString sendNeedsLink() {
    return QCoreApplication::translate(
        "LinkTexts", "Nie można wysłać programu: brak połączenia ze sterownikiem");
}
inline QString sendNeedsReference() {
    return QCoreApplication::translate("LinkTexts",
                                       "Nie można wysłać programu: brak punktu referencyjnego. "
                                       "Wykonaj najpierw jazdę referencyjną");
}
inline QString sendWaitsForReference() {
    return QCoreApplication::translate(
        "LinkTexts", "Nie można wysłać programu: jazda referencyjna jeszcze trwa");
}

// Another program holds the port (ModemManager probing a new adapter, say).
inline QString portBusy(const QString& port) {
    return QCoreApplication::translate(
               "LinkTexts",
               "Port %1 jest zajęty przez inny program: ponawiam otwieranie przez 10 s")
        .arg(port);
}

// What a status panel shows for `status`.
inline QString statusText(LinkStatus status) {
    switch (status) {
    case LinkStatus::Disconnected:
        return disconnected();
    case LinkStatus::Connected:
        return connected();
    case LinkStatus::NoReference:
        return noReference();
    case LinkStatus::ReferenceTravel:
        return referenceTravel();
    case LinkStatus::ReferenceDone:
        return referenceDone();
    case LinkStatus::AutomaticMode:
        return automaticMode();
    case LinkStatus::ManualMode:
        return manualMode();
    }
    return {};
}

// A text of the station's own, as a function, so that a window can show it
// again once another language is in force.
using TextFunction = QString (*)();
} // namespace LinkTexts
