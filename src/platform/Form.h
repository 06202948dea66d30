// The form base: a window built from its Qt Designer layout, with the layer's
// properties applied and every OnClick name bound to the form's own handler.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QSize>

class QEventLoop;

// The sender of a handler: the control that was clicked.
using TObject = QObject;

enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TForm : public QMainWindow {
    Q_OBJECT
public:
    TForm();
    ~TForm() override;

    void Show();
    // Shows the window modal to the whole program, runs its own loop until the window
    // closes, and returns the modal result.
    int ShowModal();
    void Close();

    // The outer height: window frame, title bar and menu bar included.
    int Height() const;
    void SetHeight(int outerHeight);
    // The client area: below the menu bar, inside the frame.
    int ClientWidth() const;
    int ClientHeight() const;

    // Runs the handler at the method index with the sender, inside the protected region.
    void InvokeHandler(int methodIndex, TObject* sender);

protected:
    // Derived constructors call this right after setupUi(this).
    void SetUpLayout();

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TApplication;
    void RunCreationStep();
    QPoint CentredPosition(QSize outerSize) const;

    int creationStep_ = -1;
    bool shownBefore_ = false;
    bool centreOnFirstActivation_ = false;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = mrNone;
};
