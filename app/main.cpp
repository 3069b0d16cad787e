// Tarnwick: the program's entry point.
#include "model/Globals.h"
#include "platform/Runtime.h"

int main(int argc, char** argv) {
    RuntimeInit(argc, argv);
    Globals::CreateArrays();
    Globals::StartUp();
    RuntimeRun();
    Globals::ReleaseArrays();
    return RuntimeExit();
}
