// The main menu: Settings, New game, Help and the language item, lit under the pointer.
#pragma once

#include <QCoreApplication>
#include <QRectF>

class Canvas;
class ScreenHost;
struct Pointer;

class MenuScreen {
    Q_DECLARE_TR_FUNCTIONS(MenuScreen)

public:
    enum Item { None = 0, Settings = 1, NewGame = 2, Help = 3, Language = 4 };

    explicit MenuScreen(ScreenHost& host) : host_(host) {}

    // The menu comes back with nothing lit.
    void show();
    void paint(Canvas& c) const;
    void handlePointer(const Pointer& p);
    // Arrows and Tab move the light over the items, Enter and Space choose the lit one.
    bool handleKey(int key);
    // The quit question; Yes closes the window once the current event is handled, and returns true.
    bool askToQuit();
    int litItem() const { return lit_; }

private:
    void paintItem(Canvas& c, int item, bool lit) const;
    static QRectF itemArea(int item);
    void light(int item);
    void activate(int item);
    static int itemAt(int x, int y);

    ScreenHost& host_;
    int lit_ = None;
};
