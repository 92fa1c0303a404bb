// F10 opens the first menu of a window's menu bar, as GNOME and KDE programs
// do; from there the arrow keys reach every menu. F10 in an open menu closes it.
#pragma once

#include <QObject>

class QMainWindow;
class QMenuBar;

class TMenuBarKey : public QObject {
  public:
    // Watches `window`, whose menus are made already.
    explicit TMenuBarKey(QMainWindow* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenFirstMenu();

    QMainWindow* Window;
};
