#include "WinApp.h"

// The one application object is a global of CompareApp.cpp; the command line is not read.
int main(int argc, char** argv) {
    return AfxWinMain(argc, argv);
}
