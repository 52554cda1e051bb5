#pragma once

#include <QList>
#include <QString>

// Where the station keeps the transfer journals: one a port, named after the
// port in a data folder ("dziennik-_002fdev_002fttyUSB0.txt").
namespace JournalFiles {

// The journal of transfers over the port entry `port` in `folder`.
QString pathFor(const QString& folder, const QString& port);

struct Found {
    QString path;
    QString port;
};

// The journals in `folder`, by name.
QList<Found> findIn(const QString& folder);

} // namespace JournalFiles
