#pragma once

#include "form.h"
#include "language.h"
#include "qtdialogs.h"
#include "random.h"
#include "runtime.h"

#include <QApplication>

#include <optional>

namespace shell {

// Application-wide settings every game shares: its name (also the title
// of a box that has none) and one widget style on every desktop.
void prepareApplication(const QString& programName);

// Runs the event loop until End or the last window closes; exit status 0.
int runEventLoop(const Runtime& runtime);

// Deletes every window still open: those left when End came, or by a test.
void deleteOpenForms();

// Answers --version and --help (or -h) on standard output and gives the exit
// status; nothing for any other command line, whose options are Qt's.
// Needs no display, so it runs before the application exists.
std::optional<int> answerInformationOptions(int argc, char** argv, const QString& programName);

template <typename StartupForm>
int runProgram(int argc, char** argv, const QString& programName)
{
    if (const std::optional<int> status = answerInformationOptions(argc, argv, programName))
        return *status;
    QApplication application(argc, argv);
    prepareApplication(programName);
    useDesktopLanguage();
    RuntimeRandom random;
    QtDialogs dialogs;
    Runtime runtime(programName, random, dialogs);
    runtime.setEndAction([] { QCoreApplication::exit(0); });
    openStartupForm<StartupForm>(runtime);
    return runEventLoop(runtime);
}

} // namespace shell
