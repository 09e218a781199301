// The help screen (the manual in a pane beside the mascots) and the back control that help and
// settings share.
#pragma once

class Canvas;
class ScreenHost;
class QTextBrowser;
struct Pointer;

class HelpScreen {
public:
    explicit HelpScreen(ScreenHost& host);

    void show();
    void paint(Canvas& c) const;
    // The arrows, Page Up / Down, Home and End scroll the manual, wherever the keyboard focus is.
    bool handleKey(int key);
    // Loads the page of the interface language and moves the pane out of sight.
    void hidePane();
    QTextBrowser& pane() { return *pane_; }

private:
    ScreenHost& host_;
    QTextBrowser* pane_;
};

// The round arrow at the top left of help and settings: lit under the pointer, back to the menu on a click.
class BackControl {
public:
    explicit BackControl(ScreenHost& host) : host_(host) {}
    void handlePointer(const Pointer& p);
    bool isLit() const { return lit_; }
    void paint(Canvas& c) const;

private:
    ScreenHost& host_;
    bool lit_ = false;
};
