#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> answerCommandLine(const QStringList& arguments, bool strict) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Плоские потенциальные течения идеальной жидкости: линии тока, линии равного "
        "потенциала и векторы скорости элементарных течений.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
        if (!strict) return std::nullopt;
        print(stderr, parser.errorText() + "\n");
        return 1;
    }
    if (parser.isSet(help) || parser.isSet("help-all")) {
        // Before the application exists the parser cannot name the program.
        QString text = parser.helpText();
        text.replace("<executable_name>", QFileInfo(arguments.value(0, "zef")).fileName());
        print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + " " +
                          QCoreApplication::applicationVersion() + "\n");
        return 0;
    }
    return std::nullopt;
}
