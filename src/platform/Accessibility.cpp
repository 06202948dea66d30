#include "Accessibility.h"

#include "Form.h"
#include "Panels.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMetaObject>
#include <QResizeEvent>
#include <QStringList>
#include <QVariant>

namespace accessibility {

namespace {

bool IsClientArea(const QObject& object)
{
    // The plain widget that a layout puts between the window and its controls.
    return object.metaObject() == &QWidget::staticMetaObject &&
           qobject_cast<TForm*>(object.parent()) != nullptr;
}

bool WhollyInside(const QWidget& control, const QRect& area)
{
    return !control.isWindow() && area.contains(control.geometry());
}

class ClientAreaInterface : public QAccessibleWidget {
public:
    explicit ClientAreaInterface(QWidget* area) : QAccessibleWidget(area, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(Offered().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> offered = Offered();
        return index >= 0 && index < offered.size() ? QAccessible::queryAccessibleInterface(offered[index])
                                                    : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(Offered().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> Offered() const
    {
        QList<QWidget*> offered;
        const QRect area = widget()->rect();
        for (QObject* child : widget()->children()) {
            QWidget* control = qobject_cast<QWidget*>(child);
            if (control != nullptr && WhollyInside(*control, area)) {
                offered << control;
            }
        }
        return offered;
    }
};

// Reads as "name: caption" when the layout gives the panel a name, so that its state is
// heard with what it is; its hint stays its description.
class PanelInterface : public QAccessibleWidget {
public:
    explicit PanelInterface(TPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* panel = static_cast<const TPanel*>(widget());
        if (kind == QAccessible::Name) {
            const QString name = panel->accessibleName();
            return name.isEmpty() ? panel->text() : name + QStringLiteral(": ") + panel->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
};

// A key's Press action clicks it from the event loop, after the screen reader has had its
// answer: a handler that opens the error dialog or the About window would otherwise hold
// the reply until the user closes it, and the screen reader would take the program for hung.
class KeyInterface : public QAccessibleWidget {
public:
    explicit KeyInterface(QAbstractButton* key) : QAccessibleWidget(key, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Key().text();
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Key().isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (widget()->isEnabled()) {
            QAbstractButton* key = &Key();
            QMetaObject::invokeMethod(
                key, [key] { key->click(); }, Qt::QueuedConnection);
        }
    }

private:
    QAbstractButton& Key() const { return *static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* LayerInterface(const QString& className, QObject* object)
{
    if (className == QLatin1StringView("TSpeedButton") || className == QLatin1StringView("TButton")) {
        return new KeyInterface(static_cast<QAbstractButton*>(object));
    }
    if (className == QLatin1StringView("QWidget") && IsClientArea(*object)) {
        return new ClientAreaInterface(static_cast<QWidget*>(object));
    }
    if (className == QLatin1StringView("TPanel")) {
        return new PanelInterface(static_cast<TPanel*>(object));
    }
    return nullptr;
}

void Announce(QWidget& control, QAccessible::Event kind)
{
    QAccessibleEvent event(&control, kind);
    QAccessible::updateAccessibility(&event);
}

class ClientAreaWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            const auto* resize = static_cast<QResizeEvent*>(event);
            AnnounceCrossings(*static_cast<QWidget*>(watched), QRect(QPoint(), resize->oldSize()),
                              QRect(QPoint(), resize->size()));
        }
        return false;
    }

private:
    static void AnnounceCrossings(QWidget& area, const QRect& before, const QRect& after)
    {
        if (!QAccessible::isActive() || !before.isValid()) {
            return;
        }
        for (QObject* child : area.children()) {
            QWidget* control = qobject_cast<QWidget*>(child);
            if (control == nullptr) {
                continue;
            }
            const bool was = WhollyInside(*control, before);
            const bool is = WhollyInside(*control, after);
            if (!was && is) {
                Announce(*control, QAccessible::ObjectCreated);
                Announce(*control, QAccessible::ObjectShow);
            } else if (was && !is) {
                Announce(*control, QAccessible::ObjectHide);
                Announce(*control, QAccessible::ObjectDestroyed);
            }
        }
    }
};

} // namespace

void InstallInterfaces()
{
    QAccessible::installFactory(LayerInterface);
}

void WatchClientArea(QWidget& clientArea)
{
    clientArea.installEventFilter(new ClientAreaWatch(&clientArea));
}

void NameForCaption(QAbstractButton& button)
{
    const QStringList names = button.property("AccessibleNames").toStringList();
    for (qsizetype i = 0; i + 1 < names.size(); i += 2) {
        if (names[i] == button.text()) {
            button.setAccessibleName(names[i + 1]);
            return;
        }
    }
}

void AnnounceNameChange(QWidget& control)
{
    Announce(control, QAccessible::NameChanged);
}

void AnnounceDescriptionChange(QWidget& control)
{
    Announce(control, QAccessible::DescriptionChanged);
}

} // namespace accessibility
