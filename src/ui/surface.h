// The game's drawing surface: an 800 x 600 image that keeps what was drawn until it is drawn over,
// the table of pictures, and a text writer with a position, size, weight and colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <memory>

// The pictures by their slot in the table; a board cell's state is also its picture's slot.
enum Picture : int {
    BoardPlate = 0,
    FreeCell = 1,
    Player1Piece = 2,
    Player2Piece = 3,
    HoveredCell = 4,
    ZoomedCell = 5,
    Player1BigPiece = 6,
    Player2BigPiece = 7,
    Player1Portrait = 8,
    Player2Portrait = 9,
    OnTurnFrame = 10,
    ClockHand = 11,
    Player0WinnerCard = 12, // never drawn: the winner cards follow it, 12 + the winning cell's state
    WinnerCaptions = 13,
    Player1WinnerCard = 14,
    Player2WinnerCard = 15,
    BackArrowLit = 16,
    HelpBackground = 17,
    MenuSheet = 18,
    WinnerRing = 19,
    Background = 20,
    LeftPanelFrame = 21,
    RightPanelFrame = 22,
    LeftPanel = 23,
    RightPanel = 24,
    OptionNormal = 25,
    OptionHovered = 26,
    OptionWrong = 27,
    OptionRight = 28,
    CloseControl = 29,
    OptionNormalCopy = 30, // a second copy of the option picture, for the left panel
};
constexpr int kPictureCount = 31;

class Surface {
public:
    Surface(); // white, with the built-in splash when there is one
    ~Surface();

    const QImage& image() const { return image_; }
    // Drawing starts once the pictures are loaded and stops when they are released.
    bool isOpen() const { return painter_ != nullptr; }

    // Loads every picture from the folder; a missing or undecodable file leaves its slot empty, and
    // drawing an empty slot draws nothing.
    void open(const QString& pictureFolder);
    void close();
    const QImage& picture(int slot) const { return pictures_[static_cast<std::size_t>(slot)]; }
    QImage& picture(int slot) { return pictures_[static_cast<std::size_t>(slot)]; }

    void draw(int slot, double x, double y, double w, double h);
    void drawPart(int slot, double x, double y, double w, double h, double sx, double sy, double sw,
                  double sh);
    // The same rectangle of the background picture.
    void restoreBackground(double x, double y, double w, double h);
    // A 1 px outline covering w + 1 by h + 1 pixels.
    void outline(QRgb argb, double x, double y, double w, double h);
    QPainter& painter() { return *painter_; }

    // Text: the position is the top-left corner of the next text; printing moves it to the right.
    void setTextPosition(double x, double y);
    void setTextSize(double points) { textPoints_ = points; }
    void setTextBold(bool bold) { textBold_ = bold; }
    void setTextColour(const QColor& c) { textColour_ = c; }
    double textX() const { return textX_; }
    double textY() const { return textY_; }
    double textPoints() const { return textPoints_; }
    bool isTextBold() const { return textBold_; }
    QColor textColour() const { return textColour_; }
    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight() const;
    QFont textFont() const;
    // Text that must stay within maxWidth: the size steps down a pixel at a time to minPoints, then
    // the end gives way to an ellipsis. Leaves the size set for printing it; text that fits is untouched.
    QString fitText(const QString& text, double maxWidth, double minPoints);

private:
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::array<QImage, kPictureCount> pictures_;
    float textX_ = 0, textY_ = 0;
    double textPoints_ = 11.25;
    bool textBold_ = false;
    QColor textColour_ = Qt::black;
};
