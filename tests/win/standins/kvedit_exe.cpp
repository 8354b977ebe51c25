// Plays the IDE KVEDIT.EXE: only notes the command line it was started with.
#include "standin_common.h"

int main() {
    KeepCommandLine("kvedit_cmdline.txt");
    return 0;
}
