// The clickable controls of the layouts.
#pragma once

#include <QPushButton>
#include <QToolButton>

#include <string>

// A calculator key: never takes the keyboard focus; it clicks when the left button,
// pressed on it, is released over it, and a double click clicks it twice.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
};

// A push button: a click gives it the focus; while it has the focus, Space, Enter and
// Return click it.
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget* parent = nullptr);
    std::string Caption() const;
    void SetCaption(const std::string& caption);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A push button that could carry a picture; it behaves as TButton.
class TBitBtn : public TButton {
    Q_OBJECT
public:
    using TButton::TButton;
};
