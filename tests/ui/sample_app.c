/* A stand-in application that only carries an icon: the settings dialog
 * shows it beside the configured path (screenshots, icon checks). */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR arguments, int show)
{
    (void)instance; (void)previous; (void)arguments; (void)show;
    return 0;
}
