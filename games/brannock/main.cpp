#include "frm1.h"
#include "program.h"

int main(int argc, char** argv)
{
    return shell::runProgram<brannock::Frm1>(argc, argv, QStringLiteral("Brannock"));
}
