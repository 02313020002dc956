#include "common/qt_dialogs.h"

#include "common/qt_print_device.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
QWidget* parentWindow() { return QApplication::activeWindow(); }

QMessageBox::Icon toQtIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information: return QMessageBox::Information;
        case Dialogs::Icon::Warning: return QMessageBox::Warning;
        case Dialogs::Icon::Error: return QMessageBox::Critical;
        case Dialogs::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

void addButton(QMessageBox& box, QMessageBox::StandardButton which, const QString& text) {
    box.addButton(which)->setText(text);
}
}  // namespace

Dialogs::Answer QtDialogs::message(Icon icon, const QString& text, Buttons buttons) {
    QMessageBox box(toQtIcon(icon), QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    parentWindow());
    switch (buttons) {
        case Buttons::Ok: addButton(box, QMessageBox::Ok, QStringLiteral("확인")); break;
        case Buttons::Yes: addButton(box, QMessageBox::Yes, QStringLiteral("예")); break;
        case Buttons::YesNo:
            addButton(box, QMessageBox::Yes, QStringLiteral("예"));
            addButton(box, QMessageBox::No, QStringLiteral("아니오"));
            break;
        case Buttons::RetryCancel:
            addButton(box, QMessageBox::Retry, QStringLiteral("다시 시도"));
            addButton(box, QMessageBox::Cancel, QStringLiteral("취소"));
            break;
        case Buttons::OkCancel:
            addButton(box, QMessageBox::Ok, QStringLiteral("확인"));
            addButton(box, QMessageBox::Cancel, QStringLiteral("취소"));
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Retry: return Answer::Retry;
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Ok: return Answer::Ok;
        default:
            // Closed with the window's close box.
            return buttons == Buttons::YesNo ? Answer::No
                   : buttons == Buttons::Yes ? Answer::Yes
                   : buttons == Buttons::Ok  ? Answer::Ok
                                             : Answer::Cancel;
    }
}

void QtDialogs::beep() { QApplication::beep(); }

bool QtDialogs::print(const QString& jobTitle, const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    QPrintDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(QStringLiteral("인쇄 - ") + jobTitle);
    if (dialog.exec() != QDialog::Accepted) return false;
    QtPrintDevice device(&printer);
    job(device);
    return true;
}

void QtDialogs::preview(const QString& jobTitle, const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    QPrintPreviewDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(QStringLiteral("미리보기 - ") + jobTitle);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [this, &job](QPrinter* target) {
        // The preview window calls back from its own event handling, so an
        // error is shown here rather than thrown into the event loop.
        try {
            QtPrintDevice device(target, /*preview=*/true);
            job(device);
        } catch (const std::exception& error) {
            showError(error);
        }
    });
    dialog.resize(900, 700);
    dialog.exec();
}

QString QtDialogs::openFileName(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parentWindow(), caption, QString(), filter);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(parentWindow(), caption, QString(), filter);
}

bool QtDialogs::chooseFont(QFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parentWindow());
    if (ok) font = chosen;
    return ok;
}

void QtDialogs::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    parentWindow());
    addButton(box, QMessageBox::Ok, QStringLiteral("확인"));
    box.exec();
}
