#include "app/application.h"
#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char** argv) {
    TApplication::describe();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    // Help and version need no display, so they are answered before one is opened.
    if (const auto exitCode = answerCommandLine(arguments, false)) return *exitCode;
    TApplication app(argc, argv);
    if (const auto exitCode = answerCommandLine(app.arguments(), true)) return *exitCode;
    TProgram program;
    // The first start, with nothing kept, fills the screen.
    if (program.mainForm().restorePlacement())
        program.mainForm().show();
    else
        program.mainForm().showMaximized();
    for (const QString& file : constructionFiles(app.arguments()))
        program.mainForm().openConstruction(file);
    return app.exec();
}
