#include "Application.h"

#include "Accessibility.h"
#include "ErrorDialog.h"
#include "Faults.h"
#include "Fonts.h"
#include "Form.h"

#include "Fpu.h"
#include "NumberFormat.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

TApplication* Application = nullptr;

namespace {

// Qt's application object, which hears of the desktop's locale changes.
class QtApplication : public QApplication {
public:
    using QApplication::QApplication;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::LocaleChange && ::Application != nullptr) {
            ::Application->NotifySettingsChanged();
        }
        return QApplication::event(event);
    }
};

} // namespace

TApplication::TApplication(int& argc, char** argv) : qt_(std::make_unique<QtApplication>(argc, argv))
{
    Application = this;
    // Closing the main window ends the program; closing any other window never does.
    QApplication::setQuitOnLastWindowClosed(false);
    accessibility::InstallInterfaces();
    fpu::InitializeUnit();
    number_format::ReadSettings();
}

TApplication::~TApplication()
{
    DestroyForms();
    qt_.reset();
    Application = nullptr;
}

void TApplication::Initialize()
{
    fonts::RegisterLayoutFonts();
    // The program's pictures live in a static library: registering them here links them in.
    Q_INIT_RESOURCE(vexorin);
    // The desktop knows the program by its entry: Wayland compositors match the window to it by
    // this name, and shells take the entry's themed icon in every size from there. The window
    // itself carries the executable's 32-pixel icon and, for displays scaled by two, the 64-pixel
    // twin that QIcon picks by itself; looking the icon up in the theme instead would cost the
    // start-up about 9 ms.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.vexorin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon32.png")));
}

void TApplication::Adopt(std::unique_ptr<TForm> form)
{
    TForm* created = form.get();
    forms_.push_back(std::move(form));
    if (mainForm_ == nullptr) {
        mainForm_ = created;
    }
    created->RunCreationStep();
}

void TApplication::Run()
{
    if (terminated_ || mainForm_ == nullptr) {
        return;
    }
    mainForm_->Show();
    QApplication::exec();
}

void TApplication::Terminate()
{
    terminated_ = true;
    QApplication::quit();
}

void TApplication::ShowException(const std::exception& failure)
{
    // Our own failures keep their whole message, a quoted text with a NUL in it included.
    const auto* own = dynamic_cast<const Exception*>(&failure);
    const std::string text = error_dialog::TextOf(own != nullptr ? own->Message() : failure.what());
    if (presenter_) {
        presenter_(text);
    } else {
        error_dialog::Show(title_, text);
    }
}

void TApplication::SetExceptionPresenter(ExceptionPresenter presenter)
{
    presenter_ = std::move(presenter);
}

void TApplication::NotifySettingsChanged()
{
    number_format::ReadSettings();
}

void TApplication::DestroyForms()
{
    while (!forms_.empty()) {
        forms_.pop_back();
    }
    mainForm_ = nullptr;
    terminated_ = false;
}
