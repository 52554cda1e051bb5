#include "app/languagemenu.h"

#include <QActionGroup>
#include <QMenu>

LanguageMenu::LanguageMenu(QMenu* viewMenu)
    : QObject(viewMenu), menu_(viewMenu->addMenu(QString())) {
    menu_->setObjectName(QStringLiteral("Jezyk1"));
    auto* group = new QActionGroup(menu_);
    auto add = [&](const char* name, LanguageChoice choice) {
        QAction* action = menu_->addAction(QString());
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] { choose(choice); });
        return action;
    };
    system_ = add("Jezyksystemu1", LanguageChoice::System);
    menu_->addSeparator();
    polish_ = add("Polski1", LanguageChoice::Polish);
    english_ = add("English1", LanguageChoice::English);
    polish_->setText(QStringLiteral("Polski"));
    english_->setText(QStringLiteral("English"));
    system_->setChecked(true);
    retranslate();
}

void LanguageMenu::retranslate() {
    menu_->setTitle(tr("Język"));
    system_->setText(tr("Język systemu"));
}

QAction* LanguageMenu::item(LanguageChoice choice) const {
    switch (choice) {
    case LanguageChoice::Polish:
        return polish_;
    case LanguageChoice::English:
        return english_;
    case LanguageChoice::System:
        break;
    }
    return system_;
}

void LanguageMenu::setChoice(LanguageChoice choice) {
    choice_ = choice;
    item(choice)->setChecked(true);
}

void LanguageMenu::choose(LanguageChoice choice) {
    setChoice(choice);
    if (!UseLanguage(ResolveLanguage(choice)))
        emit failed(tr("Nie można wczytać tłumaczenia: stacja zostaje przy języku polskim"));
    emit chosen(choice);
}
