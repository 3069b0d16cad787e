// Tarnwick: the program's entry point.
#include "app/App.h"
#include "platform/Runtime.h"

int main(int argc, char** argv) {
    RuntimeInit(argc, argv);
    initialize();
    Main();
    finalize();
    return RuntimeExit();
}
