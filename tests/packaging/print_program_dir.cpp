// Prints the program directory as the wizard works it out, so a test can
// start it through links the way the installed `qelvane` command is started.
#include "program_dir.h"

#include <cstdio>

int main() {
    std::fputs(GetModuleDir().toLocal8Bit().constData(), stdout);
    return 0;
}
