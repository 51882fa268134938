// The money calculator.
#include "startup/ProgramEntry.h"

int main()
{
    return startup::RunProgram({.ExeName = startup::RunningProgramFile(), .MainFormShown = {}});
}
