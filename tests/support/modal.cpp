#include "tests/support/modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {
void poll(std::function<void(QWidget*)> act, std::shared_ptr<bool> appeared, std::shared_ptr<bool> alive,
          std::shared_ptr<QElapsedTimer> clock, int timeoutMs) {
    if (!*alive) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal) {
        *appeared = true;
        act(modal);
        // Close whatever is still open so the test goes on.
        if (QApplication::activeModalWidget() == modal) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
        return;
    }
    if (clock->elapsed() > timeoutMs) return;
    QTimer::singleShot(10, [=] { poll(act, appeared, alive, clock, timeoutMs); });
}
}  // namespace

ModalHandler::ModalHandler(std::function<void(QWidget*)> act, int timeoutMs)
    : appeared_(std::make_shared<bool>(false)), alive_(std::make_shared<bool>(true)) {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto appeared = appeared_;
    auto alive = alive_;
    QTimer::singleShot(0, [=] { poll(act, appeared, alive, clock, timeoutMs); });
}

ModalHandler::~ModalHandler() { *alive_ = false; }

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}
