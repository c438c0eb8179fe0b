#include <QApplication>
#include <QWidget>

// The reference the program's start is measured against: a bare Qt window, one empty form of
// Form1's size, on the same platform.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget form;
    form.setFixedSize(14940 / 15, 7695 / 15);
    form.show();
    return application.exec();
}
