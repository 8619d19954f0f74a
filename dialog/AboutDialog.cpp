#include "dialog/AboutDialog.h"

#include "app/resource.h"

AboutDialog::AboutDialog() : Dialog(IDD_ABOUTBOX) {}
