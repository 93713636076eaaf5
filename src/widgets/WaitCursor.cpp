#include "WaitCursor.h"

#include <QApplication>
#include <QCursor>

void WaitCursor::show() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void WaitCursor::restore() {
    QApplication::restoreOverrideCursor();
}
