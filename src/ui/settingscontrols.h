// The settings screen's own controls, drawn in the game's style: a toggle for each switch, and a button
// that steps through who plays a side. Both take the focus by Tab and act on Space or Enter, like any
// button on the desktop, and show the focus with the game's gold ring.
#pragma once

#include <QAbstractButton>

class ToggleSwitch : public QAbstractButton {
    Q_OBJECT
public:
    explicit ToggleSwitch(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {46, 26}; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool hovered_ = false;
};

// A rounded button with its text: who plays a side, stepped through on a click, Space or Enter.
class StepButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit StepButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    bool hovered_ = false;
};
