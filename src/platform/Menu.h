// The menu bar of a window and its entries; an entry's OnClick names its handler.
#pragma once

#include <QAction>
#include <QMenuBar>

class TMainMenu : public QMenuBar {
public:
    using QMenuBar::QMenuBar;
};

// Qt Designer keeps menu entries as actions.
using TMenuItem = QAction;
