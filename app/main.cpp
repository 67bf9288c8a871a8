#include "app/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return vorrel::runProgram(application);
}
