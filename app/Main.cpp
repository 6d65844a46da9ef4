#include "app/UmbrantApp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before Qt starts, so that it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("umbrant %s\n", UMBRANT_VERSION);
        return 0;
    }
    QApplication application(argc, argv);
    CUmbrantApp program;
    if (!program.InitInstance(QCoreApplication::arguments())) {
        return 1;
    }
    return QApplication::exec();
}
