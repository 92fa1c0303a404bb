// A drop-down list of colours: sixteen named ones with a swatch each, and
// "More..." for any other colour through the colour dialog.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// Colours as the settings file stores them: red in bits 0-7, green 8-15,
// blue 16-23.
int32_t ColorToValue(const QColor& color);
QColor ValueToColor(int32_t value);

enum TColorLanguage : int32_t { lgEnglish = 0, lgDeutsch = 1, lgFrensh = 2 };

class TPrismColorComboBox final : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int ColorValue READ ColorValue WRITE SetColorValue)
    Q_PROPERTY(QString HTMLcolor READ HTMLcolor WRITE SetHTMLcolor)
  public:
    static constexpr int CustomIndex = 16;
    static constexpr int EntryCount = 17;

    explicit TPrismColorComboBox(QWidget* parent = nullptr);

    int32_t ColorValue() const { return Value; }
    // Selects the named entry holding the colour, else makes it the custom
    // entry. Values that are no RGB colour are refused (nothing changes).
    void SetColorValue(int32_t value);
    QColor Color() const { return ValueToColor(Value); }

    // "#RRGGBB" in upper case.
    QString HTMLcolor() const { return Html; }
    // Accepts "#RRGGBB" in either case; empty means black. Text that does
    // not convert changes nothing.
    void SetHTMLcolor(const QString& text);

    TColorLanguage Language() const { return Lang; }
    void SetLanguage(TColorLanguage language);

    // The colour an entry shows: its own, or the current colour for "More...".
    QColor EntryColor(int index) const;
    static QString EntryName(int index, TColorLanguage language);

    // The user chose an entry (mouse or keyboard).
    void ChooseEntry(int index);

    // Asks for a colour, preset to the current one; empty when cancelled.
    // Tests put a scripted answer here instead of the modal dialog.
    std::function<std::optional<QColor>(const QColor& initial)> PickColor;

    // Draws entry `index` into rect: background, swatch, name.
    void DrawEntry(QPainter& painter, const QRect& rect, int index, bool selected) const;

  signals:
    // The colour was changed by the user.
    void Change();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> AskColorDialog(const QColor& initial);

    int32_t Value = 0;
    QString Html = "#000000";
    TColorLanguage Lang = lgEnglish;
};
