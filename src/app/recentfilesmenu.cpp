#include "app/recentfilesmenu.h"

#include "app/appmessages.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QMenu>

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {
    menu_->installEventFilter(this);
    rebuild();
}

bool RecentFilesMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menu_ && event->type() == QEvent::LanguageChange)
        rebuild();
    return QObject::eventFilter(watched, event);
}

void RecentFilesMenu::setFiles(const QStringList& files) {
    files_ = RecentFiles(files);
    rebuild();
}

void RecentFilesMenu::add(const QString& fileName) {
    files_.add(fileName);
    rebuild();
}

void RecentFilesMenu::remove(const QString& fileName) {
    files_.remove(fileName);
    rebuild();
}

void RecentFilesMenu::rebuild() {
    menu_->clear();
    const QStringList& files = files_.files();
    if (files.isEmpty()) {
        menu_->addAction(AppMessages::noRecentFiles())->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        // "&1" .. "&9", then "1&0": each item has its own access key.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QString shown = QDir::toNativeSeparators(file);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* item = menu_->addAction(number + QLatin1Char(' ') + shown);
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, file] { emit fileChosen(file); });
    }
    menu_->addSeparator();
    QAction* clear = menu_->addAction(AppMessages::clearRecentFiles());
    clear->setObjectName(QStringLiteral("ClearRecentFiles"));
    connect(clear, &QAction::triggered, this, [this] {
        files_.clear();
        rebuild();
    });
}
