#include "Unit2.h"

#include "FormatGrouped.h"
#include "MemoryStatus.h"
#include "NumberFormat.h"

#include <QIcon>
#include <QSize>
#include <QString>

#include <string>

TForm2* Form2 = nullptr;

TForm2::TForm2()
{
    setupUi(this);
    SetUpLayout();
    // Through QIcon, so that a display scaled by two gets the pictures' double-size twins.
    Image1->setPixmap(QIcon(QStringLiteral(":/banner.png")).pixmap(QSize(388, 118), devicePixelRatio()));
    Image2->setPixmap(QIcon(QStringLiteral(":/icon32.png")).pixmap(QSize(32, 32), devicePixelRatio()));
}

void TForm2::FormCreate(TObject*)
{
    MEMORYSTATUS status;
    GlobalMemoryStatus(status);
    // Exact in extended precision: whole kilobytes plus a multiple of 1/1024, rounded by the pattern.
    const Extended kilobytes = static_cast<Extended>(status.dwTotalPhys) / 1024;
    Label7->SetCaption(FormatGrouped(kilobytes, number_format::Current().thousands) + " КБ");
    Label9->SetCaption(std::to_string(status.dwMemoryLoad) + " %");
    // A screen reader hears each figure with what it measures.
    Label7->setAccessibleName(Label6->text() + Label7->text());
    Label9->setAccessibleName(Label8->text() + Label9->text());
}

void TForm2::BitBtn1Click(TObject*)
{
    Close();
}
