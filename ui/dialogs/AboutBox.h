// The info dialog: logo, a few lines about the program and its maker, and a
// button that opens the maker's web site.
#pragma once

#include <QDate>
#include <QDialog>
#include <QFrame>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

inline constexpr const char* MakerWebAddress = "https://www.taldrin.example/brisko";

// A panel with a lowered outer and a raised inner bevel.
class TBevelPanel final : public QFrame {
    Q_OBJECT
  public:
    explicit TBevelPanel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class TAboutBox final : public QDialog {
    Q_OBJECT
  public:
    // FormCreate: the year line shows the year of `today`.
    explicit TAboutBox(QWidget* parent, QDate today = QDate::currentDate());

    // The first "XXXX" in text replaced by the year in four digits.
    static QString WithYear(const QString& text, int year);

    // BitBtnXP1Click.
    void BitBtnXP1Click();
    // Opens a web address in the user's browser; tests record it instead.
    std::function<bool(const QUrl&)> OpenUrl;

    TBevelPanel* Panel1;
    QLabel* ProgramIcon;
    QLabel* LogoCaption;  // "Rommé von Taldrin", on the logo
    QLabel* Label1;       // the program's name, above the logo
    QLabel* Label2;       // the copyright line with the year
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QPushButton* BitBtnXP1;
    QPushButton* BitBtn1;
};
