#include "app/UmbrantApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CUmbrantApp program;
    if (!program.InitInstance(QCoreApplication::arguments())) {
        return program.ExitCode();
    }
    return QApplication::exec();
}
