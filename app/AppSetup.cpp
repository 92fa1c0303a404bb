#include "app/AppSetup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "container/TDynaArray.h"

namespace {

void ReportOutOfMemory(const std::string& message) {
    QMessageBox::critical(nullptr, QString(), QString::fromStdString(message));
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName("brisko");
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName("de.taldrin.Brisko");
    QApplication::setWindowIcon(QIcon::fromTheme("de.taldrin.Brisko"));

    // The cards and dialogs were designed for these fonts; the Liberation fonts
    // share their metrics.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");

    // Standard buttons and dialogs speak German ("Ja", "Nein").
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    TDynaArray::SetReporter(ReportOutOfMemory);
}
