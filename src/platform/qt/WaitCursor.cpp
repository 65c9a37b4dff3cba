// CWaitCursor over Qt: the application's override cursor, nested as Qt nests it.
#include "framework/WaitCursor.h"

#include <QApplication>

CWaitCursor::CWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor() {
    QApplication::restoreOverrideCursor();
}
