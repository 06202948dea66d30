#include "CalculatorFixture.h"

#include "Application.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

void CalculatorFixture::init()
{
    unexpected_.clear();
    errors_.clear();
    expected_ = nullptr;
    Application->SetExceptionPresenter(
        [this](const std::string& text) { errors_ << QString::fromStdString(text); });
    connect(&watch_, &QTimer::timeout, this, &CalculatorFixture::WatchModal, Qt::UniqueConnection);
    watch_.start(20);

    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
}

void CalculatorFixture::cleanup()
{
    watch_.stop();
    Application->DestroyForms();
    Application->SetExceptionPresenter(nullptr);
    QVERIFY2(unexpected_.isEmpty(), qPrintable("unexpected modal window: " + unexpected_.join(", ")));
    QVERIFY2(!expected_, "an expected modal window never opened");
}

void CalculatorFixture::ExpectModal(std::function<void(QWidget&)> handle)
{
    expected_ = std::move(handle);
}

void CalculatorFixture::ShowRealErrorDialog()
{
    Application->SetExceptionPresenter(nullptr);
}

void CalculatorFixture::WatchModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return;
    }
    if (expected_) {
        const auto handle = std::exchange(expected_, nullptr);
        handle(*modal);
        return;
    }
    unexpected_ << modal->windowTitle();
    modal->close();
}
