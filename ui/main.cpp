#include <QApplication>

#include "ui/FinestraPrincipale.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mrvelto"));
    mrvelto::FinestraPrincipale finestra;
    finestra.show();
    return QApplication::exec();
}
