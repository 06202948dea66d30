#include "Buttons.h"

#include "Accessibility.h"
#include "Text.h"

#include <QKeyEvent>

TSpeedButton::TSpeedButton(QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

std::string TSpeedButton::Caption() const
{
    return FromQt(text());
}

void TSpeedButton::SetCaption(const std::string& caption)
{
    setText(ToQt(caption));
}

TButton::TButton(QWidget* parent) : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(false);
}

std::string TButton::Caption() const
{
    return FromQt(text());
}

void TButton::SetCaption(const std::string& caption)
{
    setText(ToQt(caption));
    accessibility::NameForCaption(*this);
}

void TButton::keyPressEvent(QKeyEvent* event)
{
    // Outside a dialog Qt's push button ignores Enter; the desktop's buttons click on it.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
