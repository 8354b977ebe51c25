// wrenkit-cli: opens files as the designer does and writes what it would write.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("usage: wrenkit-cli [--settings INI] [--yes] view|save|check ...");
        return 0;
    }
    std::fputs("wrenkit-cli: no command given; see --help\n", stderr);
    return 2;
}
