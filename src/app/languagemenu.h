#pragma once

#include "base/stationlanguage.h"

#include <QObject>

class QAction;
class QMenu;

// "Widok" -> "Język" (Jezyk1): the system's language (Jezyksystemu1),
// "Polski" (Polski1) or "English" (English1), one of three. Choosing one
// puts it in force at once and tells the station, which remembers it; the
// languages' names stay in their own language, so each can be found
// whatever language is in force.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    explicit LanguageMenu(QMenu* viewMenu);

    LanguageChoice choice() const { return choice_; }
    // The remembered choice, shown checked; the language itself is put in
    // force before the windows are built.
    void setChoice(LanguageChoice choice);
    void retranslate();

    QMenu* menu() const { return menu_; }
    QAction* item(LanguageChoice choice) const;

signals:
    void chosen(LanguageChoice choice);
    // The translation could not be loaded: the station stays in Polish.
    void failed(const QString& text);

private:
    void choose(LanguageChoice choice);

    QMenu* menu_;
    QAction* system_;
    QAction* polish_;
    QAction* english_;
    LanguageChoice choice_ = LanguageChoice::System;
};
