#include "ui/dialogs/PrismColorComboBox.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <array>

namespace {

struct TNamedColor {
    int R, G, B;
    const char* Names[3];
};

const std::array<TNamedColor, TPrismColorComboBox::EntryCount> Entries{{
    {0, 0, 0, {"Black", "Schwarz", "Noir"}},
    {128, 0, 0, {"Maroon", "Dunkelrot", "Rouge foncé"}},
    {0, 128, 0, {"Green", "Grün", "Vert"}},
    {128, 128, 0, {"Olive", "Oliv", "Marron clair"}},
    {0, 0, 128, {"Navy", "Dunkelblau", "Bleu foncé"}},
    {128, 0, 128, {"Purple", "Purpur", "Violet"}},
    {0, 128, 128, {"Teal", "Grünblau", "Bleu-vert"}},
    {128, 128, 128, {"Gray", "Grau", "Gris"}},
    {192, 192, 192, {"Silver", "Silber", "Argenté"}},
    {255, 0, 0, {"Red", "Rot", "Rouge"}},
    {0, 255, 0, {"Lime", "Hellgrün", "Vert"}},
    {255, 255, 0, {"Yellow", "Gelb", "Jaune"}},
    {0, 0, 255, {"Blue", "Blau", "Bleu"}},
    {255, 0, 255, {"Fuchsia", "Rosa", "Fuchsia"}},
    {0, 255, 255, {"Aqua", "Hellblau", "Vert d'eau"}},
    {255, 255, 255, {"White", "Weiß", "Blanc"}},
    {255, 255, 255, {"More...", "Mehr...", "Autres...."}},
}};

// The list entries are drawn by the combo box itself.
class TColorItemDelegate final : public QStyledItemDelegate {
  public:
    explicit TColorItemDelegate(TPrismColorComboBox* combo) : QStyledItemDelegate(combo), Combo(combo) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) != 0;
        Combo->DrawEntry(*painter, option.rect, index.row(), selected);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {Combo->width(), std::max(16, option.fontMetrics.height() + 4)};
    }

  private:
    TPrismColorComboBox* Combo;
};

// Two hexadecimal digits, or one; nothing else.
bool ParseHexPair(const QString& text, int& value) {
    if (text.isEmpty() || text.size() > 2) {
        return false;
    }
    value = 0;
    for (const QChar c : text) {
        const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (digit < 0) {
            return false;
        }
        value = value * 16 + digit;
    }
    return true;
}

}  // namespace

int32_t ColorToValue(const QColor& color) {
    return static_cast<int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QColor ValueToColor(int32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

TPrismColorComboBox::TPrismColorComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new TColorItemDelegate(this));
    for (int i = 0; i < EntryCount; ++i) {
        addItem(EntryName(i, Lang));
    }
    setMaxVisibleItems(EntryCount);
    resize(120, sizeHint().height());
    setCurrentIndex(0);
    connect(this, &QComboBox::activated, this, &TPrismColorComboBox::ChooseEntry);
}

QString TPrismColorComboBox::EntryName(int index, TColorLanguage language) {
    if (index < 0 || index >= EntryCount || language < lgEnglish || language > lgFrensh) {
        return {};
    }
    return QString::fromUtf8(Entries[static_cast<size_t>(index)].Names[language]);
}

void TPrismColorComboBox::SetLanguage(TColorLanguage language) {
    if (language < lgEnglish || language > lgFrensh) {
        return;
    }
    Lang = language;
    for (int i = 0; i < EntryCount; ++i) {
        setItemText(i, EntryName(i, Lang));
    }
    update();
}

QColor TPrismColorComboBox::EntryColor(int index) const {
    if (index == CustomIndex) {
        return Color();
    }
    if (index < 0 || index >= EntryCount) {
        return {};
    }
    const TNamedColor& entry = Entries[static_cast<size_t>(index)];
    return QColor(entry.R, entry.G, entry.B);
}

void TPrismColorComboBox::SetColorValue(int32_t value) {
    if (value < 0 || value > 0xFFFFFF) {
        return;
    }
    const QColor color = ValueToColor(value);
    int found = CustomIndex;
    for (int i = 0; i < CustomIndex; ++i) {
        if (EntryColor(i) == color) {
            found = i;
            break;
        }
    }
    Value = value;
    Html = QString::asprintf("#%02X%02X%02X", color.red(), color.green(), color.blue());
    setCurrentIndex(found);
    update();
}

void TPrismColorComboBox::SetHTMLcolor(const QString& text) {
    QString t = text.toUpper();
    if (t.isEmpty()) {
        t = "#000000";
    }
    int r = 0;
    int g = 0;
    int b = 0;
    if (!ParseHexPair(t.mid(1, 2), r) || !ParseHexPair(t.mid(3, 2), g) || !ParseHexPair(t.mid(5, 2), b)) {
        return;
    }
    const int32_t value = ColorToValue(QColor(r, g, b));
    if (value != Value) {
        SetColorValue(value);
    }
    Html = t;
}

void TPrismColorComboBox::ChooseEntry(int index) {
    if (index < 0 || index >= EntryCount) {
        return;
    }
    if (index == CustomIndex) {
        const std::optional<QColor> chosen = PickColor ? PickColor(Color()) : AskColorDialog(Color());
        if (!chosen || !chosen->isValid()) {
            // Cancelled: the list shows the colour it had.
            SetColorValue(Value);
            return;
        }
        SetColorValue(ColorToValue(*chosen));
    } else {
        SetColorValue(ColorToValue(EntryColor(index)));
    }
    emit Change();
}

std::optional<QColor> TPrismColorComboBox::AskColorDialog(const QColor& initial) {
    QColorDialog dialog(initial, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

void TPrismColorComboBox::DrawEntry(QPainter& painter, const QRect& rect, int index, bool selected) const {
    painter.save();
    const QPalette& pal = palette();
    painter.fillRect(rect, selected ? pal.highlight() : pal.base());

    // The swatch ends at x = 24 whatever the entry's left edge.
    const int left = rect.left() + 4;
    const int top = rect.top() + 1;
    const QRect swatch(left, top, std::max(2, 24 - left), std::max(2, rect.height() - 2));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(EntryColor(index));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));

    painter.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    const QRect textRect(rect.left() + 30, rect.top(), std::max(0, rect.right() - rect.left() - 29),
                         rect.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, EntryName(index, Lang));
    painter.restore();
}

void TPrismColorComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawEntry(painter, field, currentIndex(), false);
}
