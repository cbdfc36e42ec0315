#include "form1.h"
#include "program.h"

int main(int argc, char** argv)
{
    return shell::runProgram<quillsey::Form1>(argc, argv, QStringLiteral("Quillsey"));
}
