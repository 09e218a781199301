// The main menu: Settings, New game, Help and the language item, lit under the pointer.
#pragma once

class ScreenHost;
struct Pointer;

class MenuScreen {
public:
    enum Item { None = 0, Settings = 1, NewGame = 2, Help = 3, Language = 4 };

    explicit MenuScreen(ScreenHost& host) : host_(host) {}

    void draw();
    void handlePointer(const Pointer& p);
    int litItem() const { return lit_; }

private:
    void drawItem(int item, bool lit);
    static int itemAt(int x, int y);

    ScreenHost& host_;
    int lit_ = None;
};
