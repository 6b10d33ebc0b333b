#include "SkarvelProgram.h"
#include "skarvelform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    skarvel::SkarvelProgram program;
    program.window().show();
    return QApplication::exec();
}
