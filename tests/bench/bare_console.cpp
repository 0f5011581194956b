// The baseline of Romprobe's speed figure: a console program that prints one line and nothing
// else, built with the deliverables' toolchain and flags.
#include <stdio.h>

int main() {
    fputs("bare\r\n", stdout);
    return 0;
}
