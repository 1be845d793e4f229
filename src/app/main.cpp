#include "app/application.h"
#include "app/program.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TProgram program;
    program.mainForm().showMaximized();
    return app.exec();
}
