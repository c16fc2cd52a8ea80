#pragma once

#include "dialog/FormWindow.h"

namespace marrowby {

// The About box: the application icon, the rights line, the maker's web link and OK.
class AboutDialog : public FormWindow {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace marrowby
