// The single-line edit box.
#pragma once

#include <QLineEdit>

#include <string>

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    // What the user types or pastes never makes the text longer than this; text the
    // program writes is never cut.
    static constexpr int kMaxLength = 50;

    explicit TEdit(QWidget* parent = nullptr);

    std::string Text() const;
    // Replaces the whole text; writing the text it already holds does nothing at all.
    void SetText(const std::string& text);
    // Gives it the keyboard focus, with the whole text selected.
    void SetFocus();

protected:
    // The whole text is selected when the focus arrives by Tab, Shift+Tab or a handler,
    // not by a mouse click or by the window becoming active again.
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class TypingLimit;
    bool programWriting_ = false;
};
