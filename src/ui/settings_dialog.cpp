#include "ui/settings_dialog.h"

void run_settings_dialog(HINSTANCE)
{
}
