// Modal message boxes of the main window; tests put scripted answers in their place.
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

enum class TMessageIcon { Error, Information, Question };

// The application's title: the caption of its own message boxes.
inline constexpr const char* ApplicationTitle = "Brisko";

// The message of a settings file that could not be written.
inline QString CannotWriteText(const QString& fileName) {
    return QCoreApplication::translate("TMessageBoxes", "nach %1 kann nicht geschrieben werden.")
        .arg(fileName);
}

class TMessageBoxes {
  public:
    virtual ~TMessageBoxes() = default;
    virtual void Show(QWidget* parent, const QString& text, const QString& caption, TMessageIcon icon) = 0;
    virtual bool Ask(QWidget* parent, const QString& text, const QString& caption) = 0;
};

// The real thing: QMessageBox with the game's texts, captions and icons.
class TQtMessageBoxes final : public TMessageBoxes {
  public:
    void Show(QWidget* parent, const QString& text, const QString& caption, TMessageIcon icon) override;
    bool Ask(QWidget* parent, const QString& text, const QString& caption) override;
};
