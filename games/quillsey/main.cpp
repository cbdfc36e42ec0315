#include "mainwindow.h"
#include "program.h"

int main(int argc, char** argv)
{
    return shell::runProgram<quillsey::MainWindow>(argc, argv, QStringLiteral(GAME_PROGRAM_NAME));
}
