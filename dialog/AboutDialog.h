#pragma once
// The About box: the program's name, version and credits, and an OK button.
// It sits with the settings dialog because that dialog's system menu opens it.

#include "framework/Dialog.h"

class AboutDialog : public Dialog {
public:
    AboutDialog();
};
