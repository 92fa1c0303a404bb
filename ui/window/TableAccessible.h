// The table for screen readers: one accessible child per place (the computer's
// hand, stock, discard pile, each meld, the free place, each hand card), with
// German names, the keyboard focus and the selection of hand cards.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <map>
#include <utility>

#include "ui/table/TableStops.h"

class TTableReader;

// Lets Qt build the table's accessible tree; safe to call more than once.
void InstallTableAccessibility();

class TTableAccessible final : public QAccessibleWidget {
  public:
    explicit TTableAccessible(QWidget* paintBox);
    ~TTableAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // What the table shows; null once its window is going.
    const TTableReader* Reader() const;

  private:
    // One interface per place, made when first asked for and kept, so that a
    // screen reader always meets the same object for the same place.
    mutable std::map<std::pair<int, int>, QAccessible::Id> Children;
};

class TStopAccessible final : public QAccessibleInterface {
  public:
    TStopAccessible(TTableAccessible* table, const TTableStop& stop) : Table(table), Stop(stop) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return Table; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    const TTableStop& Place() const { return Stop; }

  private:
    TTableAccessible* Table;
    TTableStop Stop;
};
