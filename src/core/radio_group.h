#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

// A titled group of radio buttons laid out in columns, with a changeable item list and an item
// index that can hold "nothing chosen" (-1). Changing the index, whether by a click or from the
// program, emits clicked() once; choosing the item that is already chosen emits nothing.
class Radio_Group : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

  public:
    explicit Radio_Group(QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    void setItems(const QStringList& items);  // leaves nothing chosen, without a clicked()
    int columns() const { return columns_; }
    void setColumns(int columns);
    int count() const { return static_cast<int>(items_.size()); }

    int itemIndex() const { return index_; }
    void setItemIndex(int index);  // out of range counts as -1

  signals:
    void clicked();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void rebuild();
    void placeButtons();
    void onButtonClicked(int id);

    QStringList items_;
    int columns_ = 1;
    int index_ = -1;
    QButtonGroup* group_;
};
