#include "Panels.h"

#include "Accessibility.h"
#include "Text.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QRect>

TPanel::TPanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

std::string TPanel::Caption() const
{
    return FromQt(text());
}

void TPanel::SetCaption(const std::string& caption)
{
    setText(ToQt(caption));
    accessibility::AnnounceNameChange(*this);
}

std::string TPanel::Hint() const
{
    return FromQt(toolTip());
}

void TPanel::SetHint(const std::string& hint)
{
    setToolTip(ToQt(hint));
    accessibility::AnnounceDescriptionChange(*this);
}

TColor TPanel::Color() const
{
    const QColor colour = palette().color(QPalette::Window);
    return static_cast<TColor>(colour.red()) | static_cast<TColor>(colour.green()) << 8 |
           static_cast<TColor>(colour.blue()) << 16;
}

void TPanel::SetColor(TColor color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    setPalette(colours);
}

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
    // Unless its layout makes it transparent, a label paints its background in its parent's colour.
    setAutoFillBackground(true);
}

std::string TLabel::Caption() const
{
    return FromQt(text());
}

void TLabel::SetCaption(const std::string& caption)
{
    setText(ToQt(caption));
    adjustSize();
}

TImage::TImage(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(rect());
    // A shape one or two pixels high or wide has no inside: all of it is the pen's line.
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (inside.isValid()) {
        painter.setBrush(Qt::white);
        painter.drawRect(inside);
    }
}
