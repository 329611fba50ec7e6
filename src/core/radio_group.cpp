#include "core/radio_group.h"

#include <QRadioButton>

Radio_Group::Radio_Group(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
    group_->setExclusive(false);  // lets the group show no choice at all
    connect(group_, &QButtonGroup::idClicked, this, &Radio_Group::onButtonClicked);
}

void Radio_Group::setItems(const QStringList& items) {
    items_ = items;
    index_ = -1;
    rebuild();
}

void Radio_Group::setColumns(int columns) {
    columns_ = columns < 1 ? 1 : columns;
    placeButtons();
}

void Radio_Group::setItemIndex(int index) {
    if (index < -1 || index >= count())
        index = -1;
    if (index == index_)
        return;
    index_ = index;
    for (QAbstractButton* b : group_->buttons())
        b->setChecked(group_->id(b) == index_);
    emit clicked();
}

void Radio_Group::onButtonClicked(int id) {
    // A click on the chosen button would uncheck it in a non-exclusive group: keep it chosen.
    if (id == index_) {
        group_->button(id)->setChecked(true);
        return;
    }
    setItemIndex(id);
}

void Radio_Group::rebuild() {
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    for (int i = 0; i < count(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        group_->addButton(b, i);
        b->show();
    }
    placeButtons();
}

void Radio_Group::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    placeButtons();
}

void Radio_Group::placeButtons() {
    const QList<QAbstractButton*> buttons = group_->buttons();
    if (buttons.isEmpty())
        return;
    const int top = 16, left = 6, bottom = 2;
    const int rows = (count() + columns_ - 1) / columns_;
    const int cellW = (width() - 2 * left) / columns_;
    const int cellH = rows > 0 ? (height() - top - bottom) / rows : 0;
    for (QAbstractButton* b : buttons) {
        const int i = group_->id(b);
        // Items fill the columns top to bottom, the next column after a full one.
        const int col = i / rows, row = i % rows;
        b->setGeometry(left + col * cellW, top + row * cellH, cellW, cellH < 14 ? 14 : cellH);
    }
}
