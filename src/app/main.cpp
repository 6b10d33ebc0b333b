#include "DefaultUniformSource.h"
#include "InterfaceFont.h"
#include "MessageBoxErrorPresenter.h"
#include "skarvelform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Before any window exists, so that every window is built with it.
    QApplication::setFont(skarvel::interfaceFont());

    skarvel::DefaultUniformSource generator;
    skarvel::MessageBoxErrorPresenter presenter;
    skarvel::skarvelform window(generator, presenter);
    window.show();
    return QApplication::exec();
}
