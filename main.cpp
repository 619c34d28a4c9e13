#include "app/ParsivaMain.h"

int main(int argc, char* argv[]) {
    return ParsivaMain(argc, argv);
}
