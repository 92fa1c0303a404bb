#include "app/AppSetup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>

#include <malloc.h>

#include "app/Language.h"
#include "container/TDynaArray.h"

namespace {

void ReportOutOfMemory(const std::string& message) {
    QMessageBox::critical(nullptr, QString(), QString::fromStdString(message));
}

}  // namespace

void SetUpApplication(QApplication&) {
    // Large pictures (faces and artwork of large cards) get pages of their
    // own that go back to the system when freed; by default the C library
    // raises that bound after the first such free and keeps them in its heap.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);

    QApplication::setApplicationName("brisko");
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName("de.taldrin.Brisko");
    QApplication::setWindowIcon(QIcon::fromTheme("de.taldrin.Brisko"));

    // The cards and dialogs were designed for these fonts; the Liberation fonts
    // share their metrics.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");

    UseLanguage(ChooseLanguage(QLocale::system().uiLanguages()));

    TDynaArray::SetReporter(ReportOutOfMemory);
}
