// The settings dialog: table colour, first-meld minimum, cards per player.
// Its values are kept in the settings file by FormStorage1.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QRadioButton>
#include <QSpinBox>

class QLabel;
class QPushButton;
class TFormStorage;
class TPrismColorComboBox;

// A whole-number spin edit whose value the settings file stores as a number:
// any value set is brought into the range and rounded, and text that is not
// a number reads as the minimum.
class TSpinEdit final : public QSpinBox {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
  public:
    explicit TSpinEdit(QWidget* parent = nullptr);
    double Value() const { return value(); }
    void SetValue(double value);
    // Takes over what is typed in the field, as leaving the field does.
    void CommitText();

  protected:
    void fixup(QString& input) const override;
};

// A radio button whose "Checked" may also be cleared from outside, so that
// none of its group need be checked.
class TRadioButton final : public QRadioButton {
    Q_OBJECT
    Q_PROPERTY(bool Checked READ isChecked WRITE SetChecked)
  public:
    TRadioButton(const QString& text, QWidget* parent);
    void SetChecked(bool checked);
};

// The line across the top of the dialog's bottom strip.
class TBevel final : public QFrame {
    Q_OBJECT
  public:
    explicit TBevel(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class TOptionsForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TOptionsForm(QWidget* parent);

    // Reads the stored values into the controls (the main window's first showing).
    void RestoreSettings();
    // At program end: saves unless saved since the last restore. Closing the
    // dialog saves no more after that.
    void FormDestroy();
    QColor TableColor() const;

    // Every showing reads the file first, so the controls show what it holds.
    void setVisible(bool visible) override;
    // Every close (OK, close box, Escape) saves.
    void done(int result) override;

    QLabel* Label1;
    TPrismColorComboBox* PrismColorComboBox1;
    TRadioButton* Raus30Check;
    TRadioButton* Raus40Check;
    QLabel* Label2;
    TSpinEdit* AnzCardEd;
    TBevel* Bevel1;
    QPushButton* OkBtn;
    TFormStorage* FormStorage1;

    // Opens centred on the screen until a stored position has been applied.
    bool ScreenCenter = true;

  private:
    void Restore();
    void CenterOnScreen();

    bool ProgramEnding = false;
};
