#include "ui/window/TableAccessible.h"

#include <algorithm>

#include "ui/table/TableTexts.h"
#include "ui/window/PaintBox.h"
#include "ui/window/TableHost.h"

namespace {

QAccessibleInterface* TableFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("TPaintBox") && object != nullptr && object->isWidgetType()) {
        return new TTableAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

std::pair<int, int> Key(const TTableStop& stop) {
    return {static_cast<int>(stop.Kind), stop.Index};
}

}  // namespace

void InstallTableAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(TableFactory);
        installed = true;
    }
}

TTableAccessible::TTableAccessible(QWidget* paintBox)
    : QAccessibleWidget(paintBox, QAccessible::List, TableName()) {}

const TTableReader* TTableAccessible::Reader() const {
    return isValid() ? static_cast<TPaintBox*>(widget())->Reader() : nullptr;
}

TTableAccessible::~TTableAccessible() {
    for (const auto& [key, id] : Children) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int TTableAccessible::childCount() const {
    return Reader() != nullptr ? static_cast<int>(TableStops(Reader()->TableGame()).size()) : 0;
}

QAccessibleInterface* TTableAccessible::child(int index) const {
    if (Reader() == nullptr) {
        return nullptr;
    }
    const std::vector<TTableStop> stops = TableStops(Reader()->TableGame());
    if (index < 0 || index >= static_cast<int>(stops.size())) {
        return nullptr;
    }
    const auto key = Key(stops[index]);
    auto found = Children.find(key);
    if (found == Children.end()) {
        auto* stop = new TStopAccessible(const_cast<TTableAccessible*>(this), stops[index]);
        found = Children.emplace(key, QAccessible::registerAccessibleInterface(stop)).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int TTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* stop = dynamic_cast<const TStopAccessible*>(child);
    if (stop == nullptr || Reader() == nullptr) {
        return -1;
    }
    const std::vector<TTableStop> stops = TableStops(Reader()->TableGame());
    const auto at = std::find(stops.begin(), stops.end(), stop->Place());
    return at == stops.end() ? -1 : static_cast<int>(at - stops.begin());
}

QAccessibleInterface* TTableAccessible::focusChild() const {
    const TTableReader* reader = Reader();
    if (reader == nullptr || !reader->TableHasKeyboard()) {
        return nullptr;
    }
    const std::vector<TTableStop> stops = TableStops(reader->TableGame());
    const auto at = std::find(stops.begin(), stops.end(), reader->KeyboardStop());
    return at == stops.end() ? nullptr : child(static_cast<int>(at - stops.begin()));
}

QAccessibleInterface* TTableAccessible::childAt(int x, int y) const {
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* place = child(i);
        if (place != nullptr && place->rect().contains(x, y)) {
            return place;
        }
    }
    return nullptr;
}

QString TTableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return TableName();
    }
    return QAccessibleWidget::text(t);
}

bool TStopAccessible::isValid() const {
    return Table->Reader() != nullptr && StopExists(Table->Reader()->TableGame(), Stop);
}

QWindow* TStopAccessible::window() const {
    return Table->window();
}

QString TStopAccessible::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !isValid()) {
        return {};
    }
    return StopName(Table->Reader()->TableGame(), Stop);
}

QRect TStopAccessible::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect r = Table->Reader()->PlaceRect(Stop);
    return QRect(static_cast<QWidget*>(Table->object())->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role TStopAccessible::role() const {
    return QAccessible::ListItem;
}

QAccessible::State TStopAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const TTableReader* reader = Table->Reader();
    if (Stop.Kind != TStopKind::ComputerHand) {
        state.focusable = true;
        state.focused = reader->TableHasKeyboard() && reader->KeyboardStop() == Stop;
    }
    if (Stop.Kind == TStopKind::HandCard) {
        state.selectable = true;
        state.selected = reader->TableGame().OwnCards.At(Stop.Index).Selected != 0;
    }
    return state;
}
