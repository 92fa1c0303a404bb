// A one-line label that shortens what does not fit with "…" and keeps the
// whole text for its tooltip and for assistive technology.
#pragma once

#include <QLabel>
#include <QString>

class TElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TElidedLabel(QWidget* parent);
    void SetFullText(const QString& text);
    const QString& FullText() const { return Full; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Elide();
    QString Full;
};
