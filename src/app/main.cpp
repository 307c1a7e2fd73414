#include <cstdio>

int main()
{
    std::fputs("usage: bhncalc --help\n", stderr);
    return 2;
}
