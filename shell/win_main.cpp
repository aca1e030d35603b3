// The program's entry point.
#include "reader_main.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int showCommand)
{
    return ReaderMain(instance, commandLine, showCommand);
}
