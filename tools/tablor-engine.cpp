// tablor-engine: the game's engine from the command line.
#include <cstdio>

int main()
{
    std::fprintf(stderr, "tablor-engine: not built yet\n");
    return 2;
}
