#include "Form.h"

#include "Accessibility.h"
#include "Application.h"
#include "HandlerBinding.h"
#include "LayoutProperties.h"
#include "Panels.h"
#include "Protected.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QRect>
#include <QScreen>
#include <QVariant>

#include <algorithm>

namespace {

int MenuBarHeight(const QMainWindow& window)
{
    return window.menuWidget() != nullptr ? window.menuWidget()->sizeHint().height() : 0;
}

} // namespace

TForm::TForm() : QMainWindow(nullptr) {}

TForm::~TForm() = default;

void TForm::SetUpLayout()
{
    layout_properties::ApplyFonts(*this);
    // The layout stores each label's size; it shows at the size of its text in its font.
    for (TLabel* label : findChildren<TLabel*>()) {
        label->adjustSize();
    }

    // A single fixed border: a close button, a minimise button where the layout asks for
    // one, never a maximise button.
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (property("BorderIcons").toString().contains(QStringLiteral("biMinimize"))) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    setWindowFlags(flags);
    // The layout gives the client area; the menu bar lies above it inside the window.
    setFixedSize(property("ClientWidth").toInt(), property("ClientHeight").toInt() + MenuBarHeight(*this));

    handler_binding::BindClicks(*this);
    if (centralWidget() != nullptr) {
        accessibility::WatchClientArea(*centralWidget());
    }
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        accessibility::NameForCaption(*button);
    }
    const QString creationStep = property("OnCreate").toString();
    if (!creationStep.isEmpty()) {
        creationStep_ = handler_binding::Resolve(*this, *this, creationStep);
    }
}

void TForm::RunCreationStep()
{
    if (creationStep_ >= 0) {
        InvokeHandler(creationStep_, this);
    }
}

void TForm::InvokeHandler(int methodIndex, TObject* sender)
{
    RunProtected([this, methodIndex, sender] {
        TObject* argument = sender;
        void* arguments[] = {nullptr, &argument};
        // The form's own moc code calls the handler: no Qt frame lies between the throw
        // and the catch.
        qt_metacall(QMetaObject::InvokeMetaMethod, methodIndex, arguments);
    });
}

QPoint TForm::CentredPosition(QSize outerSize) const
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    const bool wholeDesktop = property("Position").toString() == QStringLiteral("poDesktopCenter");
    const QRect area = wholeDesktop ? primary->virtualGeometry() : primary->geometry();
    // Integer division halves toward zero; a window larger than the area starts at its edge.
    const QPoint offset(std::max(0, (area.width() - outerSize.width()) / 2),
                        std::max(0, (area.height() - outerSize.height()) / 2));
    if (wholeDesktop) {
        return area.topLeft() + offset;
    }
    // Centred on the primary screen, then at the same place on the active window's monitor.
    const QWidget* active = QApplication::activeWindow();
    const QScreen* monitor = active != nullptr ? active->screen() : primary;
    return monitor->geometry().topLeft() + offset;
}

void TForm::Show()
{
    if (!shownBefore_ && !property("Position").toString().isEmpty()) {
        // The frame is the window manager's and known only once the window is mapped: centre
        // by the client size now and correct by the frame on the first activation.
        move(CentredPosition(frameGeometry().size()));
        centreOnFirstActivation_ = true;
    }
    shownBefore_ = true;
    show();
    activateWindow();
}

bool TForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && centreOnFirstActivation_) {
        centreOnFirstActivation_ = false;
        const QPoint centred = CentredPosition(frameGeometry().size());
        if (centred != frameGeometry().topLeft()) {
            move(centred);
        }
    }
    return QMainWindow::event(event);
}

int TForm::ShowModal()
{
    const QPointer<QWidget> previous = QApplication::activeWindow();
    // Qt's application modality blocks the input of every other window, menus included.
    setWindowModality(Qt::ApplicationModal);
    modalResult_ = mrNone;
    Show();
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
    if (previous) {
        previous->activateWindow();
    }
    return modalResult_;
}

void TForm::Close()
{
    close();
}

void TForm::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (this == Application->MainForm()) {
        Application->Terminate();
    } else if (modalLoop_ != nullptr) {
        if (modalResult_ == mrNone) {
            modalResult_ = mrCancel;
        }
        modalLoop_->exit();
    }
}

int TForm::Height() const
{
    return frameGeometry().height();
}

void TForm::SetHeight(int outerHeight)
{
    const int decoration = frameGeometry().height() - geometry().height();
    setFixedHeight(outerHeight - decoration);
}

int TForm::ClientWidth() const
{
    return centralWidget() != nullptr ? centralWidget()->width() : width();
}

int TForm::ClientHeight() const
{
    return centralWidget() != nullptr ? centralWidget()->height() : height();
}
