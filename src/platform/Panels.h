// The controls that show but are not clicked.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include <cstdint>
#include <string>

// A colour value as the desktop stores it: red in the low byte ($00BBGGRR).
using TColor = std::uint32_t;
constexpr TColor clWhite = 0xFFFFFF;

// A rectangle that shows its caption centred, without an edge; its hint is its tooltip,
// shown whenever it is not empty.
class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    std::string Hint() const;
    void SetHint(const std::string& hint);
    TColor Color() const;
    void SetColor(TColor color);
};

// A frame around other controls.
class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr);
};

// A line of text that takes the size of the text it shows, on its parent's colour unless
// its layout makes it transparent.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

// A picture drawn unscaled at the control's top-left corner.
class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
};

// A rectangle with a black pen of width 1 and a white fill.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
