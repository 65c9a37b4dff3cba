// kaleidra.exe's entry point: the program's application object, run by the framework.
#include "app/RotatorApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CRotatorApp app;
    return AfxWinMain();
}
