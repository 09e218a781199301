// A label that reports clicks: the settings screen's switches "(o)" and "(  )".
#pragma once

#include <QLabel>
#include <QMouseEvent>

class SwitchLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};
