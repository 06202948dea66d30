#include "DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>
#include <QString>

namespace desktop_identity {

void Apply()
{
    // Wayland compositors match the window to the installed entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.vexorin"));
    // The installed icon theme has every size; the executable carries 32 pixels and, for displays
    // scaled by two, its 64-pixel twin (icon32@2x.png), which QIcon picks by itself.
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("vexorin"), QIcon(QStringLiteral(":/icon32.png"))));
}

} // namespace desktop_identity
