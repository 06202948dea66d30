// The program body.
#include "Application.h"
#include "Program.h"

int main(int argc, char* argv[])
{
    TApplication platform(argc, argv); // the platform starts: Qt, the FPU, the number format
    BuildProgram();
    Application->Run();
    return 0;
}
