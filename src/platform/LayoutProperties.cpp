#include "LayoutProperties.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace layout_properties {

namespace {

void ApplyTo(QWidget& widget)
{
    const QVariant height = widget.property("FontHeight");
    if (height.isValid()) {
        QFont font = widget.font();
        font.setPixelSize(height.toInt());
        widget.setFont(font);
    }
    const QVariant colour = widget.property("FontColor");
    if (colour.isValid()) {
        QPalette palette = widget.palette();
        const QColor text(colour.toString());
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            palette.setColor(role, text);
        }
        widget.setPalette(palette);
    }
    const QVariant background = widget.property("Color");
    if (background.isValid()) {
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Window, QColor(background.toString()));
        widget.setPalette(palette);
        widget.setAutoFillBackground(true);
    }
    if (widget.property("Transparent").toBool()) {
        widget.setAutoFillBackground(false);
    }
}

} // namespace

void ApplyFonts(QWidget& window)
{
    ApplyTo(window);
    // findChildren walks depth first, a parent before its children.
    for (QWidget* control : window.findChildren<QWidget*>()) {
        ApplyTo(*control);
    }
}

} // namespace layout_properties
