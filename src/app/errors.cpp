#include "app/errors.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

void showErrorMessage(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("ErrorMessage");
    box.exec();
}

bool runReportingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        showErrorMessage(QString::fromUtf8(error.what()));
    } catch (...) {
        showErrorMessage(QStringLiteral("Unexpected error"));
    }
    return false;
}
