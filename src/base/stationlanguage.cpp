#include "base/stationlanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace {
QPointer<QTranslator>& installed() {
    static QPointer<QTranslator> translator;
    return translator;
}

// Qt's own Polish texts (the file dialogs, the standard buttons), from the
// system's Qt translations; without them Qt speaks English.
QPointer<QTranslator>& qtPolish() {
    static QPointer<QTranslator> translator;
    return translator;
}

void useQtPolish(bool on) {
    QPointer<QTranslator>& current = qtPolish();
    if (!on) {
        if (current) {
            QCoreApplication::removeTranslator(current);
            delete current.data();
        }
        return;
    }
    if (current)
        return;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_pl"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        current = translator.release();
}

// The installed copy first, so a newer translation can be dropped in beside
// the programs; the one built into them otherwise.
QStringList translationFolders() {
    return {QCoreApplication::applicationDirPath() +
                QStringLiteral("/../share/scara-station/translations"),
            QStringLiteral(":/i18n")};
}
} // namespace

QString LanguageChoiceCode(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::Polish:
        return QStringLiteral("pl");
    case LanguageChoice::English:
        return QStringLiteral("en");
    case LanguageChoice::System:
        break;
    }
    return {};
}

LanguageChoice LanguageChoiceFromCode(const QString& code) {
    if (code == QLatin1String("pl"))
        return LanguageChoice::Polish;
    if (code == QLatin1String("en"))
        return LanguageChoice::English;
    return LanguageChoice::System;
}

StationLanguage SystemLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English)
            return StationLanguage::English;
        if (language == QLocale::Polish)
            return StationLanguage::Polish;
    }
    return StationLanguage::Polish;
}

StationLanguage ResolveLanguage(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::Polish:
        return StationLanguage::Polish;
    case LanguageChoice::English:
        return StationLanguage::English;
    case LanguageChoice::System:
        break;
    }
    return SystemLanguage(QLocale::system().uiLanguages());
}

bool UseLanguage(StationLanguage language) {
    useQtPolish(language == StationLanguage::Polish);
    QPointer<QTranslator>& current = installed();
    if (language == StationLanguage::Polish) {
        if (current) {
            QCoreApplication::removeTranslator(current);
            delete current.data();
        }
        return true;
    }
    if (current)
        return true;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    for (const QString& folder : translationFolders()) {
        if (translator->load(QStringLiteral("scara_en"), folder) &&
            QCoreApplication::installTranslator(translator.get())) {
            current = translator.release();
            return true;
        }
    }
    return false;
}

StationLanguage LanguageInUse() {
    return installed() ? StationLanguage::English : StationLanguage::Polish;
}

QChar DecimalMark() {
    return LanguageInUse() == StationLanguage::English ? QLatin1Char('.') : QLatin1Char(',');
}

QString FormatFigure(double value, int decimals) {
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), DecimalMark());
}
