#pragma once

#include <QFrame>
#include <QPointer>

#include <functional>

class QAbstractItemView;
class QToolButton;

// The record navigator: small buttons that move through the rows of a grid
// or of a form's table, named NVfirst, NVprior, NVnext, NVlast and, when
// asked for, NVrefresh. The form names the navigator itself
// (`DBNavigator1`).
//
//     DBNavigator1 = new RecordNavigator(bar, RecordNavigator::Refresh::Offered);
//     DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
//     DBNavigator1->attach(DBGrid1);                          // a list's grid
//     DBNavigator1->attach([this](RecordNavigator::Move m) {  // an entry form's rows
//         moveDocumentRow(m);
//     });
//     DBNavigator1->detach();                                 // inert
//
// Attached to a grid it moves the grid's current row (the whole row
// selected) and greys the moves that cannot go further. Attached to a
// function it hands every move to it.
class RecordNavigator : public QFrame {
    Q_OBJECT
public:
    enum class Move { First, Prior, Next, Last };
    enum class Refresh { None, Offered };

    explicit RecordNavigator(QWidget* parent = nullptr, Refresh refresh = Refresh::None);

    void attach(QAbstractItemView* grid);
    void attach(std::function<void(Move)> move);
    // No moves until attached again; the buttons are greyed.
    void detach();

signals:
    // After every move.
    void moved();
    // NVrefresh was pressed.
    void refreshRequested();

private:
    void press(Move move);
    void moveGrid(Move move);
    void updateButtons();

    QToolButton* buttons_[4] = {};
    QToolButton* refresh_ = nullptr;
    QPointer<QAbstractItemView> grid_;
    std::function<void(Move)> mover_;
    QList<QMetaObject::Connection> gridWatch_;
};
