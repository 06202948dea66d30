// The application object: start-up of the platform, the title, the windows it owns,
// the message loop, the error dialog and the desktop's settings-change notification.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QApplication;
class TForm;

class TApplication {
public:
    // Shows the error dialog's text to the user; the scenario runner and the tests put
    // their own in place to record it instead.
    using ExceptionPresenter = std::function<void(const std::string& text)>;

    // The platform's start: Qt, the floating-point unit, the number format settings.
    TApplication(int& argc, char** argv);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Registers the fonts the layouts ask for and the program's pictures, and sets the
    // application icon (:/icon32.png) and the desktop entry's name.
    void Initialize();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Builds the window from its layout, stores it in form, then runs its creation step;
    // the first window created becomes the main window. The window stays hidden.
    template <class T> void CreateForm(T*& form)
    {
        auto owned = std::make_unique<T>();
        form = owned.get();
        Adopt(std::move(owned));
    }

    TForm* MainForm() const { return mainForm_; }

    // Shows the main window and runs the message loop until Terminate.
    void Run();
    // Ends the message loop; the main window's closing calls it.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The error dialog for an exception that escaped a handler.
    void ShowException(const std::exception& failure);
    // An empty presenter restores the error dialog.
    void SetExceptionPresenter(ExceptionPresenter presenter);

    // The desktop's settings changed: the number format settings are read again.
    void NotifySettingsChanged();

    // Destroys the windows, so that the next CreateForm starts afresh (the end of the
    // process does this too; tests do it between cases).
    void DestroyForms();

private:
    void Adopt(std::unique_ptr<TForm> form);

    std::unique_ptr<QApplication> qt_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    std::string title_;
    bool terminated_ = false;
    ExceptionPresenter presenter_;
};

// The one application object of the process, set while it exists.
extern TApplication* Application;
