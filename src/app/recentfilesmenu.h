#pragma once

#include "app/recentfiles.h"

#include <QObject>

class QMenu;

// "Plik" -> "Ostatnie pliki": the files opened last, most recent first, one
// item each ("RecentFile1".."RecentFile10", the full path shown), then
// "Wyczyść listę" ("ClearRecentFiles"). With none listed, the menu holds a
// single disabled "(brak)". The items follow a language chosen while the
// station runs.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    explicit RecentFilesMenu(QMenu* menu, QObject* parent = nullptr);

    QStringList files() const { return files_.files(); }
    void setFiles(const QStringList& files);
    void add(const QString& fileName);
    void remove(const QString& fileName);

signals:
    void fileChosen(const QString& fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();

    QMenu* menu_;
    RecentFiles files_;
};
