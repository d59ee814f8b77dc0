// The baseline for `Tavrook --comment`: a program that only starts QCoreApplication.
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    return 0;
}
