#include "gamedialog.h"

#include "canvas.h"
#include "fonts.h"
#include "screenhost.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr std::array<double, 3> kPanelWidths{480, 600, 720}; // tried in turn before the text shrinks
constexpr double kLargestPoints = 12, kSmallestPoints = 9, kPixelInPoints = 0.75;
constexpr double kSideMargin = 30, kTopMargin = 28, kTextToButtons = 24, kBottomMargin = 24;
constexpr double kTallestPanel = 560;
constexpr double kButtonHeight = 50, kButtonWidth = 160, kButtonGap = 36, kLabelPoints = 14;
constexpr double kPanelRadius = 18, kButtonRadius = 12;

const QColor kDim(0, 0, 12, 150);
const QColor kShadow(0, 0, 0, 110);
const QColor kPanelTop(30, 36, 110), kPanelBottom(12, 14, 56), kPanelBorder(180, 190, 255);
const QColor kText(240, 242, 255);
const QColor kLitFill(255, 178, 40), kLitHoverFill(255, 206, 96), kLitBorder(255, 236, 170);
const QColor kLitText(60, 25, 100);
const QColor kOffFill(255, 255, 255, 26), kOffHoverFill(255, 255, 255, 64);
const QColor kOffBorder(110, 125, 190), kOffHoverBorder(200, 210, 255), kOffText(215, 222, 255);
const QColor kFocusRing(255, 214, 64);
const QColor kLitGlow(255, 214, 64, 70), kOffGlow(150, 170, 255, 70);

// A paragraph broken into lines no wider than width; a word longer than a line (a path) breaks anywhere.
QStringList wrapParagraph(const QString& paragraph, const QFont& font, double width) {
    if (paragraph.isEmpty()) return {QString()};
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

QStringList wrap(const QString& text, const QFont& font, double width) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n'))
        lines << wrapParagraph(paragraph, font, width);
    return lines;
}
} // namespace

GameDialog::GameDialog(DialogKind kind, const QString& text, DialogAnswer& answer)
    : kind_(kind), text_(text), answer_(answer) {
    if (kind == DialogKind::Question)
        labels_ = QStringList{tr("Yes"), tr("No")};
    else
        labels_ = QStringList{tr("OK")};
    layOut();
}

void GameDialog::layOut() {
    const double tallestText = kTallestPanel - kTopMargin - kTextToButtons - kButtonHeight - kBottomMargin;
    // The largest text that fits, in the narrowest panel that holds it. The lines are broken a little
    // narrower than the panel: at other scales the same text may come out a shade wider.
    double width = kPanelWidths.back();
    bool fits = false;
    for (double points = kLargestPoints; points >= kSmallestPoints - 1e-9 && !fits;
         points -= kPixelInPoints) {
        const QFont font = fonts::windowFont(points, false);
        const double lineHeight = QFontMetricsF(font).lineSpacing();
        for (double w : kPanelWidths) {
            const QStringList lines = wrap(text_, font, (w - 2 * kSideMargin) * 0.97);
            if (lines.size() * lineHeight <= tallestText) {
                textPoints_ = points;
                lineHeight_ = lineHeight;
                lines_ = lines;
                width = w;
                fits = true;
                break;
            }
        }
    }
    if (!fits) {
        // Too long for the screen even small: the lines that fit, the last one ending in an ellipsis.
        textPoints_ = kSmallestPoints;
        const QFont font = fonts::windowFont(textPoints_, false);
        const QFontMetricsF metrics(font);
        lineHeight_ = metrics.lineSpacing();
        const double textWidth = (width - 2 * kSideMargin) * 0.97;
        lines_ = wrap(text_, font, textWidth);
        const auto kept = static_cast<qsizetype>(std::floor(tallestText / lineHeight_));
        lines_ = lines_.mid(0, kept);
        if (!lines_.isEmpty())
            lines_.last() =
                metrics.elidedText(lines_.last() + QStringLiteral(" …"), Qt::ElideRight, textWidth);
    }
    const double textHeight = std::ceil(static_cast<double>(lines_.size()) * lineHeight_);
    const double height = kTopMargin + textHeight + kTextToButtons + kButtonHeight + kBottomMargin;
    panel_ = QRectF(std::round(400 - width / 2), std::round(300 - height / 2), width, height);
    textBox_ =
        QRectF(panel_.left() + kSideMargin, panel_.top() + kTopMargin, width - 2 * kSideMargin, textHeight);
}

QRectF GameDialog::buttonArea(int button) const {
    const double n = buttonCount();
    const double row = n * kButtonWidth + (n - 1) * kButtonGap;
    const double left = std::round(400 - row / 2) + button * (kButtonWidth + kButtonGap);
    return {left, panel_.bottom() - kBottomMargin - kButtonHeight, kButtonWidth, kButtonHeight};
}

void GameDialog::paint(Canvas& c) const {
    c.roundedBox(QRectF(0, 0, 800, 600), 0, kDim);
    c.roundedBox(panel_.translated(0, 5).adjusted(-2, -2, 2, 2), kPanelRadius + 2, kShadow);
    c.shadedBox(panel_, kPanelRadius, kPanelTop, kPanelBottom, kPanelBorder, 2);

    c.setTextSize(textPoints_);
    c.setTextBold(false);
    c.setTextColour(kText);
    // A question reads as one centred block; a notice, often a list, from the left.
    const bool centred = kind_ == DialogKind::Question;
    double y = textBox_.top();
    for (const QString& line : lines_) {
        const double x = centred ? textBox_.center().x() - c.textWidth(line) / 2 : textBox_.left();
        c.setTextPosition(x, y);
        c.print(line);
        y += lineHeight_;
    }

    for (int b = 0; b < buttonCount(); ++b) {
        const QRectF r = buttonArea(b);
        const bool focused = b == focused_, hovered = b == hovered_;
        if (hovered) c.roundedBox(r.adjusted(-6, -6, 6, 6), kButtonRadius + 6, focused ? kLitGlow : kOffGlow);
        if (focused) {
            c.roundedBox(r.adjusted(-4, -4, 4, 4), kButtonRadius + 4, {}, kFocusRing, 2.5);
            c.roundedBox(r, kButtonRadius, hovered ? kLitHoverFill : kLitFill, kLitBorder, 1.5);
        } else {
            c.roundedBox(r, kButtonRadius, hovered ? kOffHoverFill : kOffFill,
                         hovered ? kOffHoverBorder : kOffBorder, 1.5);
        }
        c.setTextSize(kLabelPoints);
        c.setTextBold(true);
        c.setTextColour(focused ? kLitText : kOffText);
        c.printCentred(labels_[b], r);
    }
}

void GameDialog::answerWith(int button) {
    // The first button is Yes (or OK).
    answer_.give(button == 0);
}

QRectF GameDialog::handleKey(int key) {
    const int count = buttonCount();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Backtab:
    case Qt::Key_Right:
    case Qt::Key_Tab: {
        const int step = key == Qt::Key_Left || key == Qt::Key_Backtab ? count - 1 : 1;
        const QRectF was = buttonArea(focused_).adjusted(-8, -8, 8, 8);
        focused_ = (focused_ + step) % count;
        return was | buttonArea(focused_).adjusted(-8, -8, 8, 8);
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        answerWith(focused_);
        return panel_;
    case Qt::Key_Escape:
        answer_.give(kind_ != DialogKind::Question);
        return panel_;
    default:
        return {};
    }
}

QRectF GameDialog::handlePointer(const Pointer& p) {
    int under = -1;
    for (int b = 0; b < buttonCount(); ++b)
        if (buttonArea(b).contains(p.x + 0.5, p.y + 0.5)) under = b;
    QRectF changed;
    if (under != hovered_) {
        // The glow reaches a little past the button.
        if (hovered_ >= 0) changed |= buttonArea(hovered_).adjusted(-8, -8, 8, 8);
        if (under >= 0) changed |= buttonArea(under).adjusted(-8, -8, 8, 8);
        hovered_ = under;
    }
    if (p.clicks() && under >= 0) {
        answerWith(under);
        changed |= panel_;
    }
    return changed;
}
