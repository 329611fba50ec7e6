#include <QApplication>

#include "main/program.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Init_Application();
    Program program;
    program.Form1->show();
    return application.exec();
}
