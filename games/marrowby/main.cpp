#include "frm1.h"
#include "program.h"

int main(int argc, char** argv)
{
    return shell::runProgram<marrowby::frm1>(argc, argv, QStringLiteral("Marrowby"));
}
