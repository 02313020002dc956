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
QWidget* parentWindow() {
    return QApplication::activeWindow();
}

// The caption of the program's message boxes.
QString messageCaption() {
    return QStringLiteral("Quarnel [3.0]");
}

// A printer set up for the request: its job name and page orientation, so
// that the printer dialog and the preview open on the page the job prints.
void prepare(QPrinter& printer, const Dialogs::PrintRequest& request) {
    printer.setDocName(request.title);
    printer.setPageOrientation(request.orientation == PrintDevice::Orientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
}

void runJob(QPrinter& printer, const Dialogs::PrintRequest& request) {
    QtPrintDevice device(&printer);
    request.job(device);
}

QMessageBox::Icon toQtIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Information:
            return QMessageBox::Information;
        case Dialogs::Icon::Warning:
            return QMessageBox::Warning;
        case Dialogs::Icon::Error:
            return QMessageBox::Critical;
        case Dialogs::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

void addButton(QMessageBox& box, QMessageBox::StandardButton which, const QString& text) {
    box.addButton(which)->setText(text);
}
}  // namespace

Dialogs::Answer QtDialogs::message(Icon icon, const QString& text, Buttons buttons) {
    QMessageBox box(toQtIcon(icon), messageCaption(), text, QMessageBox::NoButton, parentWindow());
    switch (buttons) {
        case Buttons::Ok:
            addButton(box, QMessageBox::Ok, QStringLiteral("확인"));
            break;
        case Buttons::Yes:
            addButton(box, QMessageBox::Yes, QStringLiteral("예"));
            break;
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
        case Buttons::YesNoCancel:
            addButton(box, QMessageBox::Yes, QStringLiteral("예"));
            addButton(box, QMessageBox::No, QStringLiteral("아니오"));
            addButton(box, QMessageBox::Cancel, QStringLiteral("취소"));
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Retry:
            return Answer::Retry;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            // Closed with the window's close box.
            return buttons == Buttons::YesNo ? Answer::No
                   : buttons == Buttons::Yes ? Answer::Yes
                   : buttons == Buttons::Ok  ? Answer::Ok
                                             : Answer::Cancel;
    }
}

void QtDialogs::beep() {
    QApplication::beep();
}

Dialogs::PrintOutcome QtDialogs::print(const PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, request);
    try {
        if (!printer.isValid()) return PrintOutcome::DialogFailed;
        QPrintDialog dialog(&printer, parentWindow());
        dialog.setWindowTitle(QStringLiteral("인쇄 - ") + request.title);
        if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    } catch (const std::exception&) {
        return PrintOutcome::DialogFailed;
    }
    runJob(printer, request);
    return PrintOutcome::Printed;
}

void QtDialogs::printOnCurrentPrinter(const PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, request);
    runJob(printer, request);
}

void QtDialogs::preview(const PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    prepare(printer, request);
    QPrintPreviewDialog dialog(&printer, parentWindow());
    dialog.setWindowTitle(QStringLiteral("미리보기 - ") + request.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this, &request](QPrinter* target) {
                         // The preview window calls back from its own event handling, so an
                         // error is shown here rather than thrown into the event loop.
                         try {
                             QtPrintDevice device(target, /*preview=*/true);
                             request.job(device);
                             // The window lays its pages out after the job has run; they must
                             // have the page the job drew on, not the one a clean-up at the
                             // end of the job turned back to.
                             if (const std::optional<QPageLayout> drawnOn = device.jobLayout())
                                 target->setPageLayout(*drawnOn);
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
    QMessageBox box(QMessageBox::Critical, messageCaption(), text, QMessageBox::NoButton,
                    parentWindow());
    addButton(box, QMessageBox::Ok, QStringLiteral("확인"));
    box.exec();
}
