#include "app/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/table/GameTexts.h"

namespace {

// Built into the program, one per language; German's holds only its plural forms.
QString TranslationFile(const QString& language) {
    return QString(":/translations/brisko_%1.qm").arg(language);
}

// The translators in use, replaced when the language changes.
QTranslator*& OwnTranslator() {
    static QTranslator* translator = nullptr;
    return translator;
}
QTranslator*& QtTranslator() {
    static QTranslator* translator = nullptr;
    return translator;
}

void Replace(QTranslator*& slot, const QString& file, const QString& directory = {}) {
    if (slot != nullptr) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory)) {
        QCoreApplication::installTranslator(translator);
        slot = translator;
    } else {
        delete translator;
    }
}

}  // namespace

QString ChooseLanguage(const QStringList& preferred) {
    for (const QString& wanted : preferred) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::German || locale.language() == QLocale::C) {
            return "de";
        }
        const QString code = QLocale::languageToCode(locale.language());
        if (locale.language() != QLocale::AnyLanguage && QFile::exists(TranslationFile(code))) {
            return code;
        }
    }
    return "de";
}

void UseLanguage(const QString& language) {
    Replace(OwnTranslator(), TranslationFile(language));
    // Qt's own texts ("Ja", "Abbrechen") in the same language; its source is English.
    if (language == "en") {
        Replace(QtTranslator(), QString());
    } else {
        Replace(QtTranslator(), "qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    QLocale::setDefault(language == "de" ? QLocale(QLocale::German, QLocale::Germany) : QLocale(language));
    SetTranslation([](const char* context, const char* source, const char* disambiguation) {
        return QCoreApplication::translate(context, source, disambiguation).toStdString();
    });
}
