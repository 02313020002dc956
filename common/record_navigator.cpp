#include "common/record_navigator.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QToolButton>

#include <algorithm>

namespace {
struct ButtonLook {
    const char* name;
    const char* text;
    const char* hint;
};
constexpr ButtonLook kMoves[] = {{"NVfirst", "|◀", "처음"},
                                 {"NVprior", "◀", "이전"},
                                 {"NVnext", "▶", "다음"},
                                 {"NVlast", "▶|", "마지막"}};
constexpr ButtonLook kRefresh{"NVrefresh", "↻", "새로 읽기"};

QToolButton* makeButton(QWidget* parent, QHBoxLayout* row, const ButtonLook& look) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(look.name));
    button->setText(QString::fromUtf8(look.text));
    button->setToolTip(QString::fromUtf8(look.hint));
    button->setFixedWidth(30);
    row->addWidget(button);
    return button;
}
}  // namespace

RecordNavigator::RecordNavigator(QWidget* parent, Refresh refresh) : QFrame(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = makeButton(this, row, kMoves[i]);
        const Move move = static_cast<Move>(i);
        connect(buttons_[i], &QToolButton::clicked, this, [this, move] { press(move); });
    }
    if (refresh == Refresh::Offered) {
        refresh_ = makeButton(this, row, kRefresh);
        connect(refresh_, &QToolButton::clicked, this, &RecordNavigator::refreshRequested);
    }
    detach();
}

void RecordNavigator::attach(QAbstractItemView* grid) {
    detach();
    grid_ = grid;
    const auto update = [this] { updateButtons(); };
    gridWatch_ = {
        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, update),
        connect(grid->model(), &QAbstractItemModel::modelReset, this, update),
        connect(grid->model(), &QAbstractItemModel::rowsInserted, this, update),
        connect(grid->model(), &QAbstractItemModel::rowsRemoved, this, update),
    };
    updateButtons();
}

void RecordNavigator::attach(std::function<void(Move)> move) {
    detach();
    mover_ = std::move(move);
    updateButtons();
}

void RecordNavigator::detach() {
    for (const QMetaObject::Connection& connection : std::as_const(gridWatch_))
        disconnect(connection);
    gridWatch_.clear();
    grid_ = nullptr;
    mover_ = nullptr;
    updateButtons();
}

void RecordNavigator::press(Move move) {
    if (grid_ && grid_->model()) {
        moveGrid(move);
    } else if (mover_ && !grid_) {
        mover_(move);
    } else {
        return;
    }
    updateButtons();
    emit moved();
}

void RecordNavigator::moveGrid(Move move) {
    const int rows = grid_->model()->rowCount();
    if (rows == 0) return;
    const int current = grid_->currentIndex().row();
    int row = 0;
    switch (move) {
        case Move::First:
            row = 0;
            break;
        case Move::Prior:
            row = current - 1;
            break;
        case Move::Next:
            row = current + 1;
            break;
        case Move::Last:
            row = rows - 1;
            break;
    }
    const QModelIndex index = grid_->model()->index(std::clamp(row, 0, rows - 1), 0);
    grid_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(index);
}

// On a grid the moves that cannot go further are greyed; moves handed to a
// function are always offered.
void RecordNavigator::updateButtons() {
    bool back = mover_ != nullptr;
    bool forward = back;
    if (grid_) {
        // A grid whose model was taken away has nothing to move through.
        const int rows = grid_->model() ? grid_->model()->rowCount() : 0;
        const int current = grid_->currentIndex().row();
        back = rows > 0 && current != 0;
        forward = rows > 0 && current != rows - 1;
    }
    buttons_[0]->setEnabled(back);
    buttons_[1]->setEnabled(back);
    buttons_[2]->setEnabled(forward);
    buttons_[3]->setEnabled(forward);
    if (refresh_) refresh_->setEnabled(grid_ || mover_);
}
