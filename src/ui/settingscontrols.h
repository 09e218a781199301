// The settings screen's own controls, drawn in the game's style: a toggle for each switch, and a button
// that steps through who plays a side. Both take the focus by Tab and act on Space or Enter, like any
// button on the desktop, and show the focus with the game's gold ring.
#pragma once

#include <QAbstractButton>

// What both controls share: Enter clicks as Space does, and the pointer over one lights it.
class SettingsButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SettingsButton(QWidget* parent = nullptr);

protected:
    bool isHovered() const { return hovered_; }
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool hovered_ = false;
};

class ToggleSwitch : public SettingsButton {
    Q_OBJECT
public:
    explicit ToggleSwitch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {46, 26}; }

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A rounded button with its text: who plays a side, stepped through on a click, Space or Enter.
class StepButton : public SettingsButton {
    Q_OBJECT
public:
    using SettingsButton::SettingsButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};
